#include "demo/Vouchers.h"

namespace demo {

qint64 Sale::net() const
{
    qint64 sum = 0;
    for (const SaleLine &line : lines)
        sum += line.net;
    return sum;
}

qint64 Sale::vat() const
{
    qint64 sum = 0;
    for (const SaleLine &line : lines)
        sum += line.vat;
    return sum;
}

qint64 Sale::total() const
{
    return net() + vat();
}

qint64 Collection::total() const
{
    qint64 sum = 0;
    for (const Application &application : applications)
        sum += application.amount;
    return sum;
}

} // namespace demo
