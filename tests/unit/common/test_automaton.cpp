// The automaton component: subset construction and the longest-match scanner.
#include "common/AAutomaton.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

enum class Lexeme { Keyword, Name, Number, Blank };

using Scanned = std::vector<std::pair<Lexeme, std::string>>;

// Keyword "if", names [a-z]+ and numbers [0-9]+, blanks. "if" and names share their first
// bytes, so the automaton is nondeterministic until it is made deterministic.
ANfa<Lexeme, char> MakeSmallLanguage()
{
    ANfa<Lexeme, char> nfa;
    const size_t start = ANfa<Lexeme, char>::Start;
    const size_t i = nfa.AddState();
    const size_t keyword = nfa.AddAcceptingState(Lexeme::Keyword);
    nfa.AddEdge(start, ByteRange('i', 'i'), i);
    nfa.AddEdge(i, ByteRange('f', 'f'), keyword);
    const size_t name = nfa.AddAcceptingState(Lexeme::Name);
    nfa.AddEdge(start, ByteRange('a', 'z'), name);
    nfa.AddEdge(name, ByteRange('a', 'z'), name);
    const size_t number = nfa.AddAcceptingState(Lexeme::Number);
    nfa.AddEdge(start, ByteRange('0', '9'), number);
    nfa.AddEdge(number, ByteRange('0', '9'), number);
    const size_t blank = nfa.AddAcceptingState(Lexeme::Blank);
    nfa.AddEdge(start, ByteRange(' ', ' '), blank);
    return nfa;
}

bool Scan(const ADfa<Lexeme, char>& dfa, std::string_view text, Scanned& out)
{
    return ScanLongestMatch(dfa, text, [&out](Lexeme lexeme, std::string_view bytes) {
        out.emplace_back(lexeme, std::string(bytes));
    });
}

} // namespace

TEST(Automaton, SubsetConstructionKeepsEarlierAcceptingStatesFirst)
{
    const ADfa<Lexeme, char> dfa(MakeSmallLanguage());
    Scanned tokens;
    ASSERT_TRUE(Scan(dfa, "if iff i 42x", tokens));
    const Scanned expected{{Lexeme::Keyword, "if"}, {Lexeme::Blank, " "},  {Lexeme::Name, "iff"},
                           {Lexeme::Blank, " "},    {Lexeme::Name, "i"},   {Lexeme::Blank, " "},
                           {Lexeme::Number, "42"},  {Lexeme::Name, "x"}};
    EXPECT_EQ(tokens, expected);
    // Start, {i, name}, {keyword, name}, name, number, blank.
    EXPECT_EQ(dfa.StateCount(), 6u);
}

TEST(Automaton, ABytePastTheFormsOrAnIncompleteTokenRejects)
{
    using Dfa = ADfa<Lexeme, char>;
    const Dfa dfa(MakeSmallLanguage());
    EXPECT_EQ(dfa.Next(Dfa::Start, 'A'), Dfa::None);
    EXPECT_EQ(dfa.Next(Dfa::Start, '\xFF'), Dfa::None);

    Scanned tokens;
    EXPECT_FALSE(Scan(dfa, "ab Cd", tokens));
    EXPECT_EQ(tokens.size(), 2u);  // what came before the bad byte, for the caller to drop
    EXPECT_TRUE(Scan(dfa, "", tokens));

    // Only the form "ab" exists: "a" alone never completes.
    ANfa<Lexeme, char> nfa;
    const size_t a = nfa.AddState();
    nfa.AddEdge(ANfa<Lexeme, char>::Start, ByteRange('a', 'a'), a);
    nfa.AddEdge(a, ByteRange('b', 'b'), nfa.AddAcceptingState(Lexeme::Name));
    const Dfa pairs(nfa);
    EXPECT_TRUE(Scan(pairs, "abab", tokens));
    EXPECT_FALSE(Scan(pairs, "aba", tokens));
    EXPECT_FALSE(Scan(pairs, "aab", tokens));
}
