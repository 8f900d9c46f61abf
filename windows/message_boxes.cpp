#include "windows/message_boxes.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace hexwarden {
namespace {

class DialogPrompts : public UserPrompts {
public:
    void ShowError(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, QStringLiteral("Error"), text);
    }
    void ShowInformation(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, QStringLiteral("Information"), text);
    }
    Answer Confirm(QWidget* parent, const QString& text, bool with_cancel) override {
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
        if (with_cancel) buttons |= QMessageBox::Cancel;
        switch (QMessageBox::question(parent, QStringLiteral("Confirm"), text, buttons)) {
            case QMessageBox::Yes: return Answer::Yes;
            case QMessageBox::No: return Answer::No;
            default: return with_cancel ? Answer::Cancel : Answer::No;
        }
    }
    QString OpenFileName(QWidget* parent, const QString& title, const QString& preset,
                         const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, title, preset, filter);
    }
    QString SaveFileName(QWidget* parent, const QString& title, const QString& preset, const QString& filter,
                         const QString& default_suffix) override {
        QFileDialog dialog(parent, title, preset, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(default_suffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().first();
    }
    bool InputText(QWidget* parent, const QString& title, const QString& prompt, QString& text) override {
        bool ok = false;
        const QString entered = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
        if (ok) text = entered;
        return ok;
    }
};

DialogPrompts g_dialogs;
UserPrompts* g_prompts = &g_dialogs;

}  // namespace

UserPrompts& Prompts() { return *g_prompts; }

void SetPrompts(UserPrompts* prompts) { g_prompts = prompts ? prompts : &g_dialogs; }

}  // namespace hexwarden
