// FileWatch: comparing the file's current version with the one the shown bytes belong to.
#include "app/documents/FileWatch.h"

#include "app/texts/ProgramTexts.h"

namespace {

std::wstring Quoted(std::wstring_view name)
{
    std::wstring text = kTextQuoteOpen;
    text += name;
    text += kTextQuoteClose;
    return text;
}

} // namespace

std::wstring ReloadQuestion(std::wstring_view name)
{
    return Quoted(name) + kTextReloadQuestion;
}

std::wstring OverwriteQuestion(std::wstring_view name)
{
    return Quoted(name) + kTextOverwriteQuestion;
}

std::wstring DeletedNotice(std::wstring_view name)
{
    return Quoted(name) + kTextDeletedNotice;
}

void FileWatch::Hold(std::wstring_view name, const FileVersion& version)
{
    name_ = name;
    held_ = name_.empty() ? FileVersion{} : version;
    seen_ = reported_ = FileVersion{};
}

FileChange FileWatch::Compare()
{
    if (held_.state == FileVersion::State::Unknown)
        return FileChange::None;
    seen_ = clock_.fileVersion(name_);
    if (seen_.state == FileVersion::State::Unknown || seen_.SameFile(held_))
        return FileChange::None;
    return seen_.state == FileVersion::State::Missing ? FileChange::Deleted : FileChange::Changed;
}

FileChange FileWatch::NewChange()
{
    const FileChange change = Compare();
    if (change == FileChange::None) {
        // Back as it was (or unreadable for now): a later change is news again.
        if (seen_.state != FileVersion::State::Unknown)
            reported_ = FileVersion{};
        return change;
    }
    if (seen_.SameFile(reported_))
        return FileChange::None;
    NoteReported();
    return change;
}
