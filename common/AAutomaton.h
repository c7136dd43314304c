// The automaton component: byte-labelled nondeterministic automata (ANfa), their
// deterministic form by subset construction (ADfa), and a longest-match scanner.
#pragma once
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// A set of byte values, the label of an edge.
using AByteSet = std::bitset<256>;

// The set of byte values first..last (inclusive).
[[nodiscard]] inline AByteSet ByteRange(unsigned first, unsigned last) noexcept
{
    AByteSet set;
    for (unsigned value = first; value <= last && value < 256; ++value)
        set.set(value);
    return set;
}

template <class TChar>
struct AEdge {
    static_assert(sizeof(TChar) == 1, "edges are labelled with sets of byte values");
    AByteSet label;  // the byte values that take this edge
    size_t target;   // index of the state it leads to
};

template <class TChar>
struct AState {
    std::vector<AEdge<TChar>> edges;
};

// A nondeterministic automaton: states joined by byte-labelled edges (several edges of a
// state may share a byte), some states accepting with a token label. State 0 is the start.
template <class TToken, class TChar>
class ANfa {
public:
    static constexpr size_t Start = 0;

    ANfa() : states_(1), accepted_(1) {}

    size_t AddState()
    {
        states_.emplace_back();
        accepted_.emplace_back();
        return states_.size() - 1;
    }
    size_t AddAcceptingState(const TToken& token)
    {
        const size_t state = AddState();
        accepted_[state] = token;
        return state;
    }
    void AddEdge(size_t from, const AByteSet& label, size_t to)
    {
        (void)states_.at(to);
        states_.at(from).edges.push_back({label, to});
    }

    [[nodiscard]] const std::vector<AState<TChar>>& States() const noexcept { return states_; }
    [[nodiscard]] const std::optional<TToken>& Accepted(size_t state) const noexcept { return accepted_[state]; }

private:
    std::vector<AState<TChar>> states_;
    std::vector<std::optional<TToken>> accepted_;  // one per state, empty when not accepting
};

// The deterministic form of an ANfa. Each state stands for a set of the automaton's states;
// a state is accepting when its set holds an accepting state, and takes the label of the
// lowest-numbered one, so earlier states win a tie.
template <class TToken, class TChar>
class ADfa {
public:
    static constexpr int32_t None = -1;  // no transition: the current token cannot go on
    static constexpr int32_t Start = 0;

    explicit ADfa(const ANfa<TToken, TChar>& nfa)
    {
        const auto& states = nfa.States();
        const std::vector<AByteSet> byteClasses = byteClassesOf(states);

        // Sets are kept as sorted state lists; `known` numbers each set met so far.
        std::vector<std::vector<size_t>> sets{{ANfa<TToken, TChar>::Start}};
        std::map<std::vector<size_t>, int32_t> known{{sets[0], Start}};
        std::vector<bool> reached(states.size());
        for (size_t explored = 0; explored < sets.size(); ++explored) {
            next_.resize((explored + 1) * 256, None);
            accepted_.push_back(acceptedOf(nfa, sets[explored]));
            for (const AByteSet& byteClass : byteClasses) {
                size_t representative = 0;
                while (!byteClass.test(representative))
                    ++representative;
                reached.assign(states.size(), false);
                for (size_t member : sets[explored])
                    for (const AEdge<TChar>& edge : states[member].edges)
                        if (edge.label.test(representative))
                            reached[edge.target] = true;
                std::vector<size_t> target;
                for (size_t state = 0; state < reached.size(); ++state)
                    if (reached[state])
                        target.push_back(state);
                if (target.empty())
                    continue;
                auto [found, isNew] = known.try_emplace(target, static_cast<int32_t>(sets.size()));
                if (isNew)
                    sets.push_back(std::move(target));
                for (size_t value = 0; value < 256; ++value)
                    if (byteClass.test(value))
                        next_[explored * 256 + value] = found->second;
            }
        }
    }

    [[nodiscard]] size_t StateCount() const noexcept { return accepted_.size(); }

    [[nodiscard]] int32_t Next(int32_t state, TChar c) const noexcept
    {
        return next_[static_cast<size_t>(state) * 256 + static_cast<unsigned char>(c)];
    }

    // The token label of an accepting state, null for any other state.
    [[nodiscard]] const TToken* Accepted(int32_t state) const noexcept
    {
        const auto& accepted = accepted_[static_cast<size_t>(state)];
        return accepted ? &*accepted : nullptr;
    }

private:
    // The byte values that occur on edges, split into groups that lie on the same edges:
    // bytes of one group lead from every set to the same set, so one stands for all.
    static std::vector<AByteSet> byteClassesOf(const std::vector<AState<TChar>>& states)
    {
        std::vector<AByteSet> classes;
        for (const AState<TChar>& state : states)
            for (const AEdge<TChar>& edge : state.edges) {
                AByteSet outside = edge.label;
                std::vector<AByteSet> refined;
                for (const AByteSet& byteClass : classes) {
                    outside &= ~byteClass;
                    for (const AByteSet& part : {byteClass & edge.label, byteClass & ~edge.label})
                        if (part.any())
                            refined.push_back(part);
                }
                if (outside.any())
                    refined.push_back(outside);
                classes = std::move(refined);
            }
        return classes;
    }

    static std::optional<TToken> acceptedOf(const ANfa<TToken, TChar>& nfa, const std::vector<size_t>& set)
    {
        for (size_t member : set)
            if (nfa.Accepted(member))
                return nfa.Accepted(member);
        return std::nullopt;
    }

    std::vector<int32_t> next_;                    // 256 entries per state
    std::vector<std::optional<TToken>> accepted_;  // one per state
};

// Cuts text into tokens by longest match: from a token's first byte the automaton consumes
// bytes while it can; at the first byte it cannot take, the token ends if its state is
// accepting and scanning restarts at that same byte. `emit(label, lexeme)` receives each
// token. Returns false, after the tokens before it, at a byte no token can start with or
// that leaves a token incomplete; also when the text ends inside a token. Each byte is
// read once.
template <class TToken, class TChar, class TEmit>
bool ScanLongestMatch(const ADfa<TToken, TChar>& dfa, std::basic_string_view<TChar> text, TEmit&& emit)
{
    size_t begin = 0;
    while (begin < text.size()) {
        int32_t state = ADfa<TToken, TChar>::Start;
        size_t at = begin;
        for (; at < text.size(); ++at) {
            const int32_t next = dfa.Next(state, text[at]);
            if (next == ADfa<TToken, TChar>::None)
                break;
            state = next;
        }
        const TToken* accepted = dfa.Accepted(state);
        if (at == begin || !accepted)
            return false;
        emit(*accepted, text.substr(begin, at - begin));
        begin = at;
    }
    return true;
}
