#include "dialogs/choice_models.h"

#include "attributes/count_tables.h"
#include "dialogs/entry_dialog_model.h"

namespace pentad::dialogs {

namespace {

QStringList offered(attr::Counted c) {
    QStringList values;
    for (int v : attr::offeredValues(attr::countTable(c)))
        values << QString::number(v);
    return values;
}

QString code(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

} // namespace

void ChoiceListModel::open(const QString& fieldText) {
    const QString field = u',' + fieldText + u',';
    for (qsizetype i = 0; i < items_.size(); ++i)
        checked_[static_cast<std::size_t>(i)] = field.contains(u',' + items_[i] + u',');
}

QString ChoiceListModel::fieldText() const {
    QStringList ticked;
    for (qsizetype i = 0; i < items_.size(); ++i)
        if (checked_[static_cast<std::size_t>(i)])
            ticked << items_[i];
    return ticked.join(u',');
}

void ChoiceListModel::setChecked(int i, bool on) {
    if (i >= 0 && i < static_cast<int>(checked_.size()))
        checked_[static_cast<std::size_t>(i)] = on;
}

void ChoiceListModel::checkAll() { std::fill(checked_.begin(), checked_.end(), true); }

void ChoiceListModel::invert() { checked_.flip(); }

void ChoiceListModel::clear() { std::fill(checked_.begin(), checked_.end(), false); }

QStringList valueChoices(int kind) {
    using attr::Counted;
    switch (kind) {
    case 1:
    case 2:
    case 3:
    case 4: {
        QStringList codes;
        for (int v = 0; v < 100; ++v)
            codes << code(v);
        return codes;
    }
    case 5: {
        QStringList codes;
        for (int a = 0; a < 10; ++a)
            for (int b = a; b < 10; ++b)
                codes << code(a * 10 + b);
        return codes;
    }
    case 8: return numberTexts(1, 4);
    case 9:
    case 10:
    case 24:
    case 25:
    case 26:
    case 27:
    case 28:
    case 29: return numberTexts(0, 9);
    case 12: return numberTexts(1, 9);
    case 17: return offered(Counted::PrimeSum);
    case 18: return offered(Counted::CompositeSum);
    case 19:
    case 20: return numberTexts(0, 135);
    case 21: return offered(Counted::Route0Sum);
    case 22: return offered(Counted::Route1Sum);
    case 23: return offered(Counted::Route2Sum);
    default: return {};
    }
}

QString valueChoicesCaption(int kind) {
    static const std::pair<int, const char*> captions[] = {
        {1, "万千二码设定"}, {2, "千百二码设定"}, {3, "百十二码设定"}, {4, "十个二码设定"}, {5, "组选二码设定"},
        {8, "邻位距数目设定"}, {9, "最大邻位距设定"}, {10, "最小邻位距设定"}, {12, "AC 设定"}, {17, "质数和设定"},
        {18, "合数和设定"}, {19, "位积和设定"}, {20, "反位积和设定"}, {21, "0路数和设定"}, {22, "1路数和设定"},
        {23, "2路数和设定"}, {24, "最大码设定"}, {25, "最小码设定"}, {26, "万-千设定"}, {27, "千-百设定"},
        {28, "百-十设定"}, {29, "十-个设定"}};
    for (const auto& [k, caption] : captions)
        if (k == kind)
            return QString::fromUtf8(caption);
    return {};
}

QStringList groupChoices(int kind) {
    static const std::array<std::array<const char*, 3>, 4> kSymbols = {{
        {"小", "中", "大"}, {":", ":", ""}, {"邻", "孤", "传"}, {"复", "隔", "中"}}};
    if (kind < 4 || kind > 7)
        return {};
    const auto& s = kSymbols[static_cast<std::size_t>(kind - 4)];
    QStringList items;
    for (int a = 0; a <= 5; ++a)
        for (int b = 0; b <= 5 - a; ++b)
            items << QString::number(a) + QString::fromUtf8(s[0]) + QString::number(b) + QString::fromUtf8(s[1]) +
                         QString::number(5 - a - b) + QString::fromUtf8(s[2]);
    return items;
}

QString groupChoicesCaption(int kind) {
    static const std::array<const char*, 4> captions = {"组大中小类型设定", "组012路类型设定", "组邻孤传类型设定",
                                                        "组复隔中类型设定"};
    return kind >= 4 && kind <= 7 ? QString::fromUtf8(captions[static_cast<std::size_t>(kind - 4)]) : QString();
}

PatternProductModel::PatternProductModel(int kind) {
    switch (kind) {
    case 3: signs_ = {QStringLiteral("邻"), QStringLiteral("孤"), QStringLiteral("传")}; break;
    case 4: signs_ = {QStringLiteral("复"), QStringLiteral("隔"), QStringLiteral("中")}; break;
    default: signs_ = {QStringLiteral("大"), QStringLiteral("中"), QStringLiteral("小")}; break;
    }
}

QString PatternProductModel::caption(int kind) {
    switch (kind) {
    case 3: return QStringLiteral("单选邻传孤类型设定");
    case 4: return QStringLiteral("单选复隔中类型设定");
    default: return QStringLiteral("单选大中小类型设定");
    }
}

void PatternProductModel::open(const QString& fieldText) {
    items_ = fieldText.isEmpty() ? QStringList() : fieldText.split(u',');
}

void PatternProductModel::setTicked(int position, int sign, bool on) {
    if (position >= 0 && position < 5 && sign >= 0 && sign < 3)
        ticked_[static_cast<std::size_t>(position)][static_cast<std::size_t>(sign)] = on;
}

void PatternProductModel::untickAll() {
    for (auto& position : ticked_)
        position.fill(false);
}

QString PatternProductModel::add() {
    std::array<QStringList, 5> choices;
    for (std::size_t p = 0; p < 5; ++p) {
        for (std::size_t s = 0; s < 3; ++s)
            if (ticked_[p][s])
                choices[p] << signs_[s];
        if (choices[p].isEmpty())
            return QStringLiteral("请正确的设置组合的数据。");
    }
    QStringList combinations{QString()};
    for (const QStringList& signs : choices) {
        QStringList longer;
        for (const QString& head : combinations)
            for (const QString& sign : signs)
                longer << head + sign;
        combinations = longer;
    }
    for (const QString& c : combinations)
        if (!items_.contains(c))
            items_ << c;
    return {};
}

void PatternProductModel::removeItem(int index) {
    if (index >= 0 && index < items_.size())
        items_.removeAt(index);
}

} // namespace pentad::dialogs
