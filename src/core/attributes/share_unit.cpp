#include "attributes/share_unit.h"

namespace pentad::attr {

QString KthCombination(int n, int k, int idx) {
    if (n < 0 || n > 10 || idx < 1 || idx > Binomial(n, k))
        return {};
    QString result;
    // Walk the digits: a combination starting with `first` is one of C(n-1, k-1).
    while (k > 0) {
        const int first = 10 - n;
        const int startingHere = Binomial(n - 1, k - 1);
        if (startingHere < idx) {
            idx -= startingHere;
        } else {
            result += QChar(u'0' + first);
            --k;
        }
        --n;
    }
    return result;
}

} // namespace pentad::attr
