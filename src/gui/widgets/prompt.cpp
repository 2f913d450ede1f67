#include "widgets/prompt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QQueue>

namespace {

struct Script {
    bool enabled = false;
    QStringList messages;
    QQueue<bool> answers;
    QQueue<QString> fileNames;
};

Script& scriptState() {
    static Script s;
    return s;
}

QString nextScriptedFileName() {
    return scriptState().fileNames.isEmpty() ? QString() : scriptState().fileNames.dequeue();
}

} // namespace

namespace Prompt {

void info(QWidget* parent, const QString& text) {
    if (scriptState().enabled) {
        scriptState().messages << text;
        return;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool confirm(QWidget* parent, const QString& text) {
    if (scriptState().enabled) {
        scriptState().messages << text;
        return scriptState().answers.isEmpty() || scriptState().answers.dequeue();
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}

QString openFileName(QWidget* parent, const QString& title, const QString& filter) {
    if (scriptState().enabled)
        return nextScriptedFileName();
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString saveFileName(QWidget* parent, const QString& title, const QString& filter, QString* selectedFilter) {
    if (scriptState().enabled)
        return nextScriptedFileName();
    return QFileDialog::getSaveFileName(parent, title, QString(), filter, selectedFilter,
                                        QFileDialog::DontConfirmOverwrite);
}

namespace script {
void enable() { scriptState().enabled = true; }
QStringList takeMessages() { return std::exchange(scriptState().messages, {}); }
void queueAnswer(bool ok) { scriptState().answers.enqueue(ok); }
void queueFileName(const QString& path) { scriptState().fileNames.enqueue(path); }
} // namespace script

} // namespace Prompt
