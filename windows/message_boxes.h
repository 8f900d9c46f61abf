#pragma once

#include <QString>

class QWidget;

namespace hexwarden {

enum class Answer { Yes, No, Cancel };

// Every message box and file dialog of the program goes through here, so tests can answer them.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
    // Yes/No, or Yes/No/Cancel when asked.
    virtual Answer Confirm(QWidget* parent, const QString& text, bool with_cancel) = 0;
    // An empty result means the user cancelled. `filter` is Qt's ";;"-separated form.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& preset,
                                 const QString& filter) = 0;
    // Asks before overwriting; the default suffix is added when the name has none.
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& preset,
                                 const QString& filter, const QString& default_suffix) = 0;
    // False when cancelled.
    virtual bool InputText(QWidget* parent, const QString& title, const QString& prompt, QString& text) = 0;
};

// The prompts in use: real dialogs unless a test put its own in place.
UserPrompts& Prompts();
// Null restores the real dialogs. The caller keeps ownership.
void SetPrompts(UserPrompts* prompts);

}  // namespace hexwarden
