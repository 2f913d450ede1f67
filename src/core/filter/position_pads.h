#pragma once

#include "attributes/digit_classes.h"

#include <QString>

#include <array>
#include <vector>

// The five position pads: per position the allowed digits, kept as the text of its field
// (digit characters in any order, each once). The candidate space follows from them.
namespace pentad::filter {

inline const QString kAllDigits = QStringLiteral("0123456789");

// The quick choices of a pad, by list index.
enum class QuickChoice { None = 0, All, Clear, Invert, Odd, Even, Big, Small };

// A pad's digits as a mask: a digit is selected when its character occurs in the text.
attr::DigitMask padMask(const QString& text);

// A click on the panel of `digit`: appended when unselected, else every occurrence removed.
QString toggleDigit(const QString& text, int digit);

// The text after a quick choice ("反选": the unselected digits ascending).
QString applyQuickChoice(const QString& text, QuickChoice choice);

// The typing rule: only digits not yet in the field are accepted.
bool acceptsTypedDigit(const QString& text, QChar key);

// The size of the candidate space of five pad texts (万..个): the numbers whose digits are all
// selected at their positions.
std::size_t candidateCount(const std::array<QString, 5>& pads);

} // namespace pentad::filter
