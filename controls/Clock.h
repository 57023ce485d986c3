#pragma once
// Where the program learns today's date. One clock is created in main() and
// handed to every window and control that needs "today", so tests can pin it.

#include <QDate>

namespace cyclo {

class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QDate today() const = 0;
};

// The local date of the machine.
class SystemClock final : public Clock
{
public:
    [[nodiscard]] QDate today() const override;
};

// A clock that stands still at a chosen date until told otherwise.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDate today) : today_(today) {}
    [[nodiscard]] QDate today() const override { return today_; }
    void setToday(QDate today) { today_ = today; }

private:
    QDate today_;
};

} // namespace cyclo
