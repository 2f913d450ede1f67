#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

// Pieces every setting dialog has.
namespace dialog_parts {

// A named button that never becomes the default by itself.
QPushButton* button(const char* name, const QString& caption, QWidget* parent);

// "确" gap "定" and "取" gap "消" at the foot, accepting and rejecting the dialog.
QHBoxLayout* closeRow(QDialog* dialog, const QString& gap, const char* cancelName = "cmdCancel");

} // namespace dialog_parts
