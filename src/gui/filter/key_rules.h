#pragma once

#include "filter/catalogue.h"

#include <QObject>

class QLineEdit;
class QPlainTextEdit;

// The typing rules of the filter fields: keys outside a field's rule are dropped, and so is
// a paste holding such characters. Editing keys (Backspace, Delete, arrows, Enter) always pass.
class KeyRuleFilter : public QObject {
    Q_OBJECT
public:
    enum class Rule { DigitsComma, DigitsCommaStar, DigitsColonComma, AnyKey, PadDigits, BankerDigits };

    static void install(QLineEdit* field, Rule rule);
    static void install(QPlainTextEdit* memo, Rule rule); // rules that do not look at the text
    static Rule ruleOf(pentad::filter::KeyRule keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyRuleFilter(QObject* field, Rule rule);
    bool accepts(const QString& typed, const QString& current) const;
    Rule rule_;
};
