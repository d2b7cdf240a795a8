#pragma once

#include <QWidget>

#include <vector>

namespace app {

// A row of bars (bands) along the top of the frame, with its own grips on the bar colour.
class CMobileReBar : public QWidget
{
    Q_OBJECT

public:
    explicit CMobileReBar(QWidget *parent = nullptr);

    // Removes every band (the bars are hidden, not destroyed).
    void deleteAllBands();
    void addBand(QWidget *bar, bool gripper);
    int bandCount() const { return static_cast<int>(m_bands.size()); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Band
    {
        QWidget *bar;
        bool gripper;
    };
    static constexpr int GripperWidth = 10;
    void layoutBands();

    std::vector<Band> m_bands;
};

} // namespace app
