#include "filter/key_rules.h"

#include "dialogs/banker_digits_model.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

KeyRuleFilter::KeyRuleFilter(QObject* field, Rule rule) : QObject(field), rule_(rule) {}

void KeyRuleFilter::install(QLineEdit* field, Rule rule) { field->installEventFilter(new KeyRuleFilter(field, rule)); }

void KeyRuleFilter::install(QPlainTextEdit* memo, Rule rule) { memo->installEventFilter(new KeyRuleFilter(memo, rule)); }

KeyRuleFilter::Rule KeyRuleFilter::ruleOf(pentad::filter::KeyRule keys) {
    using pentad::filter::KeyRule;
    switch (keys) {
    case KeyRule::DigitsCommaStar: return Rule::DigitsCommaStar;
    case KeyRule::DigitsColonComma: return Rule::DigitsColonComma;
    case KeyRule::AnyKey: return Rule::AnyKey;
    default: return Rule::DigitsComma;
    }
}

bool KeyRuleFilter::accepts(const QString& typed, const QString& current) const {
    QString seen = current;
    for (QChar c : typed) {
        const bool digit = c >= u'0' && c <= u'9';
        bool ok = false;
        switch (rule_) {
        case Rule::AnyKey: ok = true; break;
        case Rule::DigitsComma: ok = digit || c == u','; break;
        case Rule::DigitsCommaStar: ok = digit || c == u',' || c == u'*'; break;
        case Rule::DigitsColonComma: ok = digit || c == u',' || c == u':'; break;
        case Rule::PadDigits: ok = digit && !seen.contains(c); break;
        case Rule::BankerDigits: ok = pentad::dialogs::BankerDigitsModel::acceptsKey(seen, c); break;
        }
        if (!ok)
            return false;
        seen += c;
    }
    return true;
}

bool KeyRuleFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A pad field never holds a digit twice, whatever is selected when typing.
    QString kept;
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
        kept = field->text();
        if (field->hasSelectedText())
            kept.remove(field->selectionStart(), field->selectedText().size());
    }
    if (key->matches(QKeySequence::Paste))
        return !accepts(QApplication::clipboard()->text(), kept);
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.front().isPrint())
        return false; // Backspace, Delete, Enter, arrows and the like
    return !accepts(typed, kept);
}
