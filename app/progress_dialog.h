#pragma once

#include "app/card_transfer.h"

#include <QPointer>

#include <cstdint>

class QDialog;
class QLabel;
class QProgressBar;
class QWidget;

namespace platform {
class Clock;
}

namespace app {

// The modeless progress window: a window per open(), centred over the parent's window, titled
// with the title text (the template's "作業進捗度" when that text is missing), the multi-line text
// and a bar. setPos() repaints it at once; finish() keeps it up without freezing the program
// (events other than the user's input are handled meanwhile). The clock times how long it was
// up.
class ProgressDialog : public ProgressWindow
{
public:
    ProgressDialog(platform::Clock &clock, QWidget *parent);
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog &) = delete;
    ProgressDialog &operator=(const ProgressDialog &) = delete;

    void open(TextId title, TextId text) override;
    void start(int maximum) override;
    void setPos(int position) override;
    void finish() override;
    void close() override;

    // The window between open() and finish() or close(); null otherwise.
    QDialog *window() const { return m_window; }
    QProgressBar *bar() const { return m_bar; }
    QLabel *label() const { return m_text; }

private:
    platform::Clock &m_clock;
    QWidget *m_parent;
    QPointer<QDialog> m_window;
    QLabel *m_text = nullptr;
    QProgressBar *m_bar = nullptr;
    int64_t m_started = 0;
};

// The busy pointer as the application's override cursor.
class WaitCursor : public BusyPointer
{
public:
    void begin() override;
    void end() override;
};

} // namespace app
