// TAction: a named command with category, caption, hint, one shortcut, enabling, visibility and a handler.
#include "app/win/ui/TAction.h"

#include <utility>
#include <vector>

TAction::TAction(std::string name, std::string category, std::string caption, std::string hint, Shortcut shortcut)
    : name_(std::move(name)), category_(std::move(category)), caption_(std::move(caption)), hint_(std::move(hint)),
      shortcut_(shortcut)
{
}

void TAction::Changed()
{
    // An observer may remove itself (or another) while being told: tell a snapshot.
    std::vector<int> ids;
    for (const auto& [id, observer] : observers_)
        ids.push_back(id);
    for (const int id : ids)
        if (const auto found = observers_.find(id); found != observers_.end())
            found->second();
}

void TAction::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    Changed();
}

void TAction::SetHint(std::string hint)
{
    hint_ = std::move(hint);
    Changed();
}

void TAction::SetShortCut(Shortcut shortcut)
{
    shortcut_ = shortcut;
    Changed();
}

void TAction::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Changed();
}

void TAction::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    Changed();
}

void TAction::SetImageIndex(int index)
{
    imageIndex_ = index;
    Changed();
}

bool TAction::Execute()
{
    if (!enabled_ || !OnExecute)
        return false;
    OnExecute(*this);
    return true;
}

int TAction::AddObserver(Observer observer)
{
    const int id = nextObserver_++;
    observers_.emplace(id, std::move(observer));
    return id;
}

void TAction::RemoveObserver(int id) noexcept { observers_.erase(id); }
