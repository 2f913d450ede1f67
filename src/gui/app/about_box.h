#pragma once

#include <QDialog>

// "关于": the product title, version, a word of caution and the maker's links.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent);
};
