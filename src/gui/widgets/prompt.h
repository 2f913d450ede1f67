#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The program's modal boxes and file dialogs. Messages are titled "提示" with a question-mark
// icon. Tests switch on the script mode: nothing is shown, messages are recorded, and
// answers and file names come from queues (OK and "no file" when a queue is empty).
namespace Prompt {

void info(QWidget* parent, const QString& text);
bool confirm(QWidget* parent, const QString& text); // OK = true, Cancel = false

QString openFileName(QWidget* parent, const QString& title, const QString& filter);
// `selectedFilter` (optional) names the filter shown first and returns the one chosen.
QString saveFileName(QWidget* parent, const QString& title, const QString& filter, QString* selectedFilter = nullptr);

namespace script {
void enable();
QStringList takeMessages();
void queueAnswer(bool ok);
void queueFileName(const QString& path);
} // namespace script

} // namespace Prompt
