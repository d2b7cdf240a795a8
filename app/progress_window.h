#pragma once

#include "app/string_table.h"

#include <cstdint>

namespace app {

// The modeless progress window of long work. open() sets its title and text; start() shows it
// with the range 0 to maximum (a negative maximum counts as 0) and notes the time; setPos()
// moves the bar and lets the window repaint; finish() keeps the window up for
// progressFinishWait() more milliseconds, then closes it; close() closes it at once.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;
    virtual void open(TextId title, TextId text) = 0;
    virtual void start(int maximum) = 0;
    virtual void setPos(int position) = 0;
    virtual void finish() = 0;
    virtual void close() = 0;
};

// How long finish() keeps the window up after it was shown for elapsed milliseconds: 250 ms
// once it has been up a second, else 1000 ms, so that a short operation is seen at all.
int64_t progressFinishWait(int64_t elapsed);

// The busy mouse pointer while the program counts or writes.
class BusyPointer
{
public:
    virtual ~BusyPointer() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

// The busy pointer for the life of the scope.
class BusyScope
{
public:
    explicit BusyScope(BusyPointer &busy)
        : m_busy(busy)
    {
        m_busy.begin();
    }
    ~BusyScope() { m_busy.end(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    BusyPointer &m_busy;
};

} // namespace app
