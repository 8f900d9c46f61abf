#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "windows/message_boxes.h"

namespace hexwarden::testing {

// Answers the program's message boxes and file dialogs from queues filled by the test, and keeps
// every message shown. Put in place for its lifetime.
class ScriptedPrompts : public UserPrompts {
public:
    ScriptedPrompts() { SetPrompts(this); }
    ~ScriptedPrompts() override { SetPrompts(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // Shown messages, "error: " or "information: " or "confirm: " followed by the text.
    QStringList Shown;
    // Answers in order; an empty queue answers No, and cancels a file dialog or input box.
    std::deque<Answer> Answers;
    std::deque<QString> FileNames;
    std::deque<QString> Inputs;

    void ShowError(QWidget*, const QString& text) override { Shown << QStringLiteral("error: ") + text; }
    void ShowInformation(QWidget*, const QString& text) override {
        Shown << QStringLiteral("information: ") + text;
    }
    Answer Confirm(QWidget*, const QString& text, bool) override {
        Shown << QStringLiteral("confirm: ") + text;
        return Next(Answers, Answer::No);
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return Next(FileNames, QString());
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
        return Next(FileNames, QString());
    }
    bool InputText(QWidget*, const QString&, const QString&, QString& text) override {
        if (Inputs.empty()) return false;
        text = Next(Inputs, QString());
        return true;
    }

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace hexwarden::testing
