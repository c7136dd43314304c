// Answers the dialogs the main window opens during a test: save queries, file dialogs and message boxes.
#pragma once
#include <windows.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

struct SeenDialog {
    std::string className;
    std::string caption;
    std::vector<std::string> texts;  // static texts from top to bottom; a message box's text
    std::string folder;              // the folder a file dialog showed
    bool messageBox = false;
};

// A CBT hook notes each dialog as it is activated; it is answered once this thread's message
// loop (the dialog's own modal loop) gets to it. Message boxes are closed with OK. The save
// query and the file dialogs take the queued replies in order: a button caption of the save
// query, or for a file dialog the file name to choose (empty: Cancel). With no reply queued
// they are cancelled.
class DialogDriver {
public:
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void reply(std::string text) { replies_.push_back(std::move(text)); }
    [[nodiscard]] const std::vector<SeenDialog>& seen() const noexcept { return seen_; }
    // The texts of the message boxes seen, in order.
    [[nodiscard]] std::vector<std::string> messages() const;
    // The dialogs seen of a window class ("TFormQuerySave", "#32770").
    [[nodiscard]] std::vector<SeenDialog> seenOf(const std::string& className) const;
    void clear() { seen_.clear(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void answer(HWND dialog);
    std::string nextReply();

    HHOOK hook_ = nullptr;
    HWND helper_ = nullptr;
    std::set<HWND> pending_;
    std::deque<std::string> replies_;
    std::vector<SeenDialog> seen_;
};
