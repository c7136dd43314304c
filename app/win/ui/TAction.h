// TAction: a named command with category, caption, hint, one shortcut, enabling, visibility and a handler.
#pragma once
#include "app/ui/Shortcut.h"

#include <functional>
#include <map>
#include <string>

class TAction {
public:
    TAction(std::string name, std::string category, std::string caption, std::string hint, Shortcut shortcut = {});
    TAction(const TAction&) = delete;
    TAction& operator=(const TAction&) = delete;

    [[nodiscard]] const std::string& Name() const noexcept { return name_; }
    // The program's number for the action, so that a handler serving several actions tells
    // its sender without looking at names; -1 until set.
    [[nodiscard]] int Id() const noexcept { return id_; }
    void SetId(int id) noexcept { id_ = id; }
    [[nodiscard]] const std::string& Category() const noexcept { return category_; }
    [[nodiscard]] const std::string& Caption() const noexcept { return caption_; }
    [[nodiscard]] const std::string& Hint() const noexcept { return hint_; }
    [[nodiscard]] Shortcut ShortCut() const noexcept { return shortcut_; }
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }

    void SetCaption(std::string caption);
    void SetHint(std::string hint);
    void SetShortCut(Shortcut shortcut);
    void SetEnabled(bool enabled);
    void SetVisible(bool visible);
    void SetImageIndex(int index);

    // The handler, told which action runs it (one handler may serve several actions).
    std::function<void(TAction& sender)> OnExecute;
    // Runs the handler when the action is enabled and has one; true when it ran.
    bool Execute();

    // Menu items and tool buttons showing the action follow its changes.
    using Observer = std::function<void()>;
    int AddObserver(Observer observer);
    void RemoveObserver(int id) noexcept;

private:
    void Changed();

    std::string name_;
    int id_ = -1;
    std::string category_;
    std::string caption_;
    std::string hint_;
    Shortcut shortcut_;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    std::map<int, Observer> observers_;
    int nextObserver_ = 1;
};
