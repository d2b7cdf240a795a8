// Draws the editor's pictures: the button bitmaps in their states, the window icon, the splash
// picture BANNER.BMP and the main view's FIRST.BMP. Run by scripts/draw_pictures.sh, which
// writes the results into resources/ where the build picks them up.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>

namespace {

enum class State { Normal, Pressed, Hover, Disabled, Latched };

// How a glyph is coloured in a state: its own colours, greyed, or light on a dark face.
struct Ink
{
    State state;

    QColor operator()(const QColor &colour) const
    {
        if (state == State::Disabled) {
            const int grey = 150 + qGray(colour.rgb()) / 6;
            return QColor(grey, grey, grey);
        }
        if (state == State::Latched)
            return colour.lighter(150);
        return colour;
    }
    QColor line() const
    {
        if (state == State::Disabled)
            return QColor(128, 128, 128);
        return state == State::Latched ? QColor(20, 40, 70) : QColor(40, 44, 52);
    }
};

using Glyph = std::function<void(QPainter &, const QRectF &, const Ink &)>;

const QColor Blue(46, 110, 190);
const QColor Green(52, 160, 72);
const QColor Red(210, 54, 46);
const QColor Orange(236, 140, 30);
const QColor Yellow(246, 200, 60);
const QColor Paper(252, 252, 248);
const QColor Teal(28, 150, 150);

void drawFace(QPainter &painter, const QRectF &area, State state)
{
    const QRectF face = area.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    QColor border;
    switch (state) {
    case State::Normal:
        fill.setColorAt(0, QColor(250, 251, 252));
        fill.setColorAt(1, QColor(200, 206, 214));
        border = QColor(96, 104, 116);
        break;
    case State::Hover:
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(1, QColor(214, 230, 248));
        border = QColor(40, 100, 180);
        break;
    case State::Pressed:
        fill.setColorAt(0, QColor(170, 180, 192));
        fill.setColorAt(1, QColor(214, 220, 228));
        border = QColor(60, 66, 76);
        break;
    case State::Disabled:
        fill.setColorAt(0, QColor(186, 186, 186));
        fill.setColorAt(1, QColor(176, 176, 176));
        border = QColor(140, 140, 140);
        break;
    case State::Latched:
        fill.setColorAt(0, QColor(120, 176, 236));
        fill.setColorAt(1, QColor(36, 96, 176));
        border = QColor(20, 56, 110);
        break;
    }
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 5, 5);
    if (state == State::Normal || state == State::Hover || state == State::Latched) {
        painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), 4, 4);
    }
}

// Every glyph is drawn in a 24 x 24 design box scaled into the given rectangle.
void inBox(QPainter &painter, const QRectF &box, const std::function<void()> &draw)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 24.0, box.height() / 24.0);
    draw();
    painter.restore();
}

QPen pen(const QColor &colour, qreal width = 1.2)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter &p, const Ink &ink, const QRectF &r)
{
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - 5, r.top());
    sheet.lineTo(r.right(), r.top() + 5);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(pen(ink.line()));
    p.setBrush(ink(Paper));
    p.drawPath(sheet);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void plusBadge(QPainter &p, const Ink &ink, QPointF centre, qreal radius)
{
    p.setPen(pen(ink.line(), 1));
    p.setBrush(ink(Green));
    p.drawEllipse(centre, radius, radius);
    p.setPen(pen(ink(Qt::white), 2));
    p.drawLine(centre - QPointF(radius * 0.55, 0), centre + QPointF(radius * 0.55, 0));
    p.drawLine(centre - QPointF(0, radius * 0.55), centre + QPointF(0, radius * 0.55));
}

void arrow(QPainter &p, const Ink &ink, QPointF from, QPointF to, const QColor &colour)
{
    p.setPen(pen(ink.line(), 1));
    p.setBrush(ink(colour));
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF side(-direction.y(), direction.x());
    const QPointF neck = to - direction * 5;
    QPolygonF shape;
    shape << from + side * 2 << neck + side * 2 << neck + side * 4.5 << to << neck - side * 4.5
          << neck - side * 2 << from - side * 2;
    p.drawPolygon(shape);
}

void memoryCard(QPainter &p, const Ink &ink, const QRectF &r)
{
    QPainterPath card;
    card.moveTo(r.left(), r.top() + 3);
    card.lineTo(r.left() + 3, r.top());
    card.lineTo(r.right(), r.top());
    card.lineTo(r.right(), r.bottom());
    card.lineTo(r.left(), r.bottom());
    card.closeSubpath();
    p.setPen(pen(ink.line()));
    p.setBrush(ink(QColor(58, 64, 80)));
    p.drawPath(card);
    p.setPen(Qt::NoPen);
    p.setBrush(ink(Yellow));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(r.left() + 2.5 + i * (r.width() - 4) / 4, r.top() + 1.5, 1.6, 3));
    p.setBrush(ink(QColor(230, 234, 240)));
    p.drawRect(QRectF(r.left() + 2, r.top() + r.height() * 0.45, r.width() - 4, r.height() * 0.4));
}

void glyphNew(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        page(p, ink, QRectF(4, 2, 14, 19));
        p.setPen(pen(ink(QColor(150, 160, 175)), 1));
        for (int y : {9, 12, 15})
            p.drawLine(QPointF(7, y), QPointF(15, y));
        plusBadge(p, ink, QPointF(17.5, 17.5), 5);
    });
}

void glyphLoadCard(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        memoryCard(p, ink, QRectF(2, 2, 12, 16));
        arrow(p, ink, QPointF(11, 15), QPointF(22, 21), Blue);
    });
}

void glyphSaveCard(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        memoryCard(p, ink, QRectF(10, 6, 12, 16));
        arrow(p, ink, QPointF(2, 3), QPointF(13, 12), Orange);
    });
}

void glyphAdd(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] { plusBadge(p, ink, QPointF(12, 12), 9.5); });
}

void glyphEdit(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        page(p, ink, QRectF(3, 2, 13, 18));
        p.save();
        p.translate(15, 12);
        p.rotate(45);
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(Yellow));
        p.drawRect(QRectF(-2.2, -10, 4.4, 14));
        p.setBrush(ink(QColor(240, 130, 150)));
        p.drawRect(QRectF(-2.2, -12.5, 4.4, 2.5));
        QPolygonF tip;
        tip << QPointF(-2.2, 4) << QPointF(2.2, 4) << QPointF(0, 8);
        p.setBrush(ink(QColor(230, 200, 160)));
        p.drawPolygon(tip);
        p.restore();
    });
}

void glyphDelete(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(QColor(160, 170, 184)));
        p.drawRect(QRectF(5, 4, 14, 2.5));
        p.drawRect(QRectF(9.5, 2, 5, 2));
        QPolygonF can;
        can << QPointF(6, 7.5) << QPointF(18, 7.5) << QPointF(16.8, 21.5) << QPointF(7.2, 21.5);
        p.setBrush(ink(QColor(200, 208, 218)));
        p.drawPolygon(can);
        p.setPen(pen(ink(Red), 2.6));
        p.drawLine(QPointF(8.5, 10.5), QPointF(15.5, 18.5));
        p.drawLine(QPointF(15.5, 10.5), QPointF(8.5, 18.5));
    });
}

void phone(QPainter &p, const Ink &ink, const QRectF &r, const QColor &body)
{
    p.setPen(pen(ink.line(), 1));
    p.setBrush(ink(body));
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setBrush(ink(QColor(150, 220, 240)));
    p.drawRect(QRectF(r.left() + 2, r.top() + 2.5, r.width() - 4, r.height() * 0.38));
    p.setPen(Qt::NoPen);
    p.setBrush(ink(QColor(235, 238, 242)));
    const qreal keyTop = r.top() + r.height() * 0.58;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRect(QRectF(r.left() + 2 + column * (r.width() - 4) / 3, keyTop + row * 2.6,
                              (r.width() - 4) / 3 - 0.8, 1.8));
    }
}

void glyphModel(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        phone(p, ink, QRectF(3, 1.5, 10, 21), QColor(200, 60, 70));
        phone(p, ink, QRectF(11, 3.5, 10, 19), QColor(60, 90, 170));
    });
}

void star(QPainter &p, const Ink &ink, QPointF centre, qreal outer, const QColor &colour)
{
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 ? outer * 0.45 : outer;
        shape << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    p.setPen(pen(ink.line(), 1));
    p.setBrush(ink(colour));
    p.drawPolygon(shape);
}

void glyphBanner(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(Teal));
        QPolygonF horn;
        horn << QPointF(3, 9) << QPointF(8, 9) << QPointF(17, 4) << QPointF(17, 20)
             << QPointF(8, 15) << QPointF(3, 15);
        p.drawPolygon(horn);
        p.setBrush(ink(QColor(230, 236, 240)));
        p.drawRect(QRectF(5, 15, 3, 5));
        star(p, ink, QPointF(19.5, 6), 4.2, Yellow);
    });
}

void glyphOpen(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(QColor(214, 160, 60)));
        QPolygonF back;
        back << QPointF(2, 5) << QPointF(9, 5) << QPointF(11, 7) << QPointF(20, 7)
             << QPointF(20, 20) << QPointF(2, 20);
        p.drawPolygon(back);
        page(p, ink, QRectF(6, 3, 12, 12));
        p.setBrush(ink(QColor(250, 204, 90)));
        QPolygonF front;
        front << QPointF(5, 11) << QPointF(23, 11) << QPointF(20, 20) << QPointF(2, 20);
        p.drawPolygon(front);
    });
}

void glyphSavePc(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(Blue));
        QPolygonF disk;
        disk << QPointF(3, 3) << QPointF(18, 3) << QPointF(21, 6) << QPointF(21, 21)
             << QPointF(3, 21);
        p.drawPolygon(disk);
        p.setBrush(ink(QColor(230, 234, 240)));
        p.drawRect(QRectF(7, 3, 10, 6));
        p.setBrush(ink(QColor(60, 70, 90)));
        p.drawRect(QRectF(13.5, 4, 2, 4));
        p.setBrush(ink(Paper));
        p.drawRect(QRectF(6, 12, 12, 9));
        p.setPen(pen(ink(QColor(150, 160, 175)), 1));
        p.drawLine(QPointF(8, 15), QPointF(16, 15));
        p.drawLine(QPointF(8, 18), QPointF(16, 18));
    });
}

void glyphHelp(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        QRadialGradient ball(QPointF(9, 8), 12);
        ball.setColorAt(0, ink(QColor(110, 170, 240)));
        ball.setColorAt(1, ink(Blue.darker(120)));
        p.setBrush(ball);
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setPen(pen(ink(Qt::white), 2.6));
        QPainterPath hook;
        hook.moveTo(8.5, 9);
        hook.cubicTo(8.5, 4.5, 15.5, 4.5, 15.5, 9);
        hook.cubicTo(15.5, 12, 12, 11.5, 12, 14.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(ink(Qt::white));
        p.drawEllipse(QPointF(12, 18.2), 1.6, 1.6);
    });
}

void glyphHome(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(Paper));
        p.drawRect(QRectF(5, 11, 14, 10));
        p.setBrush(ink(Red));
        QPolygonF roof;
        roof << QPointF(2, 12) << QPointF(12, 3) << QPointF(22, 12) << QPointF(19.5, 12)
             << QPointF(12, 5.8) << QPointF(4.5, 12);
        p.drawPolygon(roof);
        p.setBrush(ink(QColor(150, 100, 60)));
        p.drawRect(QRectF(10, 15, 4, 6));
        p.setBrush(ink(QColor(150, 220, 240)));
        p.drawRect(QRectF(15, 13.5, 2.6, 2.6));
    });
}

void glyphBookmark(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        QRadialGradient globe(QPointF(8, 8), 13);
        globe.setColorAt(0, ink(QColor(140, 200, 250)));
        globe.setColorAt(1, ink(QColor(30, 100, 180)));
        p.setBrush(globe);
        p.drawEllipse(QPointF(11, 12), 9, 9);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(ink(QColor(220, 240, 255)), 0.8));
        p.drawEllipse(QPointF(11, 12), 4, 9);
        p.drawLine(QPointF(2, 12), QPointF(20, 12));
        p.drawLine(QPointF(3.5, 7.5), QPointF(18.5, 7.5));
        p.drawLine(QPointF(3.5, 16.5), QPointF(18.5, 16.5));
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(Red));
        QPolygonF ribbon;
        ribbon << QPointF(15, 2) << QPointF(22, 2) << QPointF(22, 14) << QPointF(18.5, 11)
               << QPointF(15, 14);
        p.drawPolygon(ribbon);
    });
}

void glyphAddress(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(QColor(120, 80, 50)));
        p.drawRoundedRect(QRectF(3, 2, 17, 20), 1.5, 1.5);
        p.setBrush(ink(Paper));
        p.drawRect(QRectF(6, 3.5, 13, 17));
        p.setBrush(ink(Orange));
        p.drawEllipse(QPointF(12.5, 9), 2.8, 2.8);
        QPainterPath body;
        body.moveTo(7.5, 17.5);
        body.cubicTo(7.5, 12, 17.5, 12, 17.5, 17.5);
        body.closeSubpath();
        p.setBrush(ink(Teal));
        p.drawPath(body);
        p.setBrush(ink(QColor(200, 60, 70)));
        for (int y : {5, 10, 15})
            p.drawRect(QRectF(20, y, 2.2, 3));
    });
}

void glyphMail(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(QColor(250, 246, 230)));
        p.drawRect(QRectF(2, 5, 20, 14));
        p.setBrush(ink(QColor(236, 226, 196)));
        QPolygonF flap;
        flap << QPointF(2, 5) << QPointF(12, 13) << QPointF(22, 5);
        p.drawPolygon(flap);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(2, 19), QPointF(9.5, 11.5));
        p.drawLine(QPointF(22, 19), QPointF(14.5, 11.5));
        p.setBrush(ink(Red));
        p.drawEllipse(QPointF(12, 12.6), 1.8, 1.8);
    });
}

void glyphSchedule(QPainter &p, const QRectF &box, const Ink &ink)
{
    inBox(p, box, [&] {
        p.setPen(pen(ink.line(), 1));
        p.setBrush(ink(Paper));
        p.drawRoundedRect(QRectF(3, 4, 18, 17), 1.5, 1.5);
        p.setBrush(ink(Red));
        p.drawRect(QRectF(3, 4, 18, 4.5));
        p.setBrush(ink(QColor(120, 130, 140)));
        p.drawRoundedRect(QRectF(7, 2, 1.8, 4), 0.8, 0.8);
        p.drawRoundedRect(QRectF(15.2, 2, 1.8, 4), 0.8, 0.8);
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 4; ++column) {
                p.setBrush(ink(row == 1 && column == 2 ? Orange : QColor(150, 160, 175)));
                p.drawRect(QRectF(5 + column * 4, 10.5 + row * 3.3, 2.6, 2.2));
            }
        }
    });
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(160, 160, 160));
    return image;
}

QImage button(const Glyph &glyph, State state)
{
    QImage image = blank(30, 30);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFace(painter, QRectF(0, 0, 30, 30), state);
    const QPointF offset = state == State::Pressed ? QPointF(1, 1) : QPointF(0, 0);
    painter.setOpacity(state == State::Disabled ? 0.75 : 1.0);
    glyph(painter, QRectF(QPointF(4, 4) + offset, QSizeF(22, 22)), Ink{state});
    return image;
}

QImage viewButton(const Glyph &glyph, const QString &caption, State state)
{
    QImage image = blank(64, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawFace(painter, QRectF(0, 0, 64, 64), state);
    const QPointF offset = state == State::Pressed ? QPointF(1, 1) : QPointF(0, 0);
    painter.setOpacity(state == State::Disabled ? 0.75 : 1.0);
    glyph(painter, QRectF(QPointF(14, 5) + offset, QSizeF(36, 36)), Ink{state});
    QFont font("IPAPGothic");
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(state == State::Latched    ? QColor(255, 255, 255)
                   : state == State::Disabled ? QColor(120, 120, 120)
                                              : QColor(30, 40, 60));
    painter.drawText(QRectF(QPointF(0, 44) + offset, QSizeF(64, 16)), Qt::AlignCenter, caption);
    return image;
}

bool save(const QImage &image, const QString &path, const char *format)
{
    const bool written = image.save(path, format);
    if (!written)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return written;
}

// A 24-bit picture: no alpha, RGB888 so that the BMP writer keeps three bytes per pixel.
bool saveBmp(const QImage &image, const QString &path)
{
    return save(image.convertToFormat(QImage::Format_RGB888), path, "BMP");
}

void drawHandset(QPainter &p, QRectF body, const QColor &colour, const QString &screenText)
{
    QLinearGradient shell(body.topLeft(), body.topRight());
    shell.setColorAt(0, colour.lighter(130));
    shell.setColorAt(0.5, colour);
    shell.setColorAt(1, colour.darker(140));
    p.setPen(QPen(QColor(30, 30, 40), 2));
    p.setBrush(shell);
    p.drawRoundedRect(body, 14, 14);
    const QRectF screen(body.left() + 10, body.top() + 18, body.width() - 20, body.height() * 0.42);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(210, 240, 255));
    glass.setColorAt(1, QColor(120, 180, 230));
    p.setBrush(glass);
    p.setPen(QPen(QColor(20, 30, 50), 2));
    p.drawRoundedRect(screen, 4, 4);
    QFont font("IPAPGothic");
    font.setPixelSize(std::min(11, int(screen.width() / 6.5)));
    p.setFont(font);
    p.setPen(QColor(20, 40, 80));
    p.drawText(screen.adjusted(4, 4, -4, -4), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               screenText);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 242, 246));
    const qreal keysTop = screen.bottom() + 14;
    const qreal keyWidth = (body.width() - 28) / 3;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRoundedRect(
                QRectF(body.left() + 10 + column * (keyWidth + 4), keysTop + row * 14, keyWidth, 9),
                3, 3);
    }
}

QImage banner()
{
    QImage image(400, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 400, 240);
    sky.setColorAt(0, QColor(24, 58, 112));
    sky.setColorAt(1, QColor(56, 140, 200));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(255, 255, 255, 14 + i * 4));
        p.drawEllipse(QPointF(330, 40), 200 - i * 30, 200 - i * 30);
    }
    drawHandset(p, QRectF(336, 34, 56, 150), QColor(200, 60, 70), "505i");
    drawHandset(p, QRectF(306, 76, 52, 140), QColor(220, 220, 230), "");
    QFont title("DejaVu Sans");
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QPointF(24, 92), "Cellvane");
    QFont line("IPAPGothic");
    line.setPixelSize(15);
    p.setFont(line);
    p.setPen(QColor(220, 236, 255));
    p.drawText(QPointF(26, 124), QString::fromUtf8("505iシリーズ データエディタ"));
    QFont small("IPAPGothic");
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(200, 220, 245));
    p.drawText(QPointF(26, 160),
               QString::fromUtf8("アドレス帳・スケジュール・メール・ブックマーク"));
    p.drawText(QPointF(26, 214), QString::fromUtf8("起動中です…"));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(26, 136), QPointF(220, 136));
    return image;
}

QImage firstPicture()
{
    QImage image(440, 280, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF card(10, 10, 420, 260);
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, QColor(250, 252, 255));
    fill.setColorAt(1, QColor(214, 226, 240));
    p.setPen(QPen(QColor(110, 120, 140), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(card, 16, 16);
    drawHandset(p, QRectF(36, 40, 86, 196), QColor(60, 90, 170),
                QString::fromUtf8("アドレス帳\nスケジュール\nメール"));
    QFont title("DejaVu Sans");
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(30, 60, 110));
    p.drawText(QPointF(150, 78), "Cellvane");
    QFont text("IPAPGothic");
    text.setPixelSize(13);
    p.setFont(text);
    p.setPen(QColor(40, 50, 70));
    const char *lines[]
        = {"左のボタンで編集するデータを選びます。",
           "  ブックマーク・アドレス帳・メール・スケジュール",
           "メモリーカードから読み込み、編集して、", "またメモリーカードへ書き戻せます。",
           "機種の設定は上の携帯電話のボタンから。"};
    qreal y = 118;
    for (const char *line : lines) {
        p.drawText(QPointF(150, y), QString::fromUtf8(line));
        y += 24;
    }
    return image;
}

// The program's icon at the desktop's 128-pixel size.
QImage programIcon()
{
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawHandset(p, QRectF(34, 4, 60, 120), QColor(60, 90, 170), "");
    p.end();
    return image;
}

QImage windowIcon()
{
    // Scaled down from the large drawing, so the handset keeps its proportions at icon size.
    return programIcon().scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("bitmaps");
    out.mkpath("icons");
    bool ok = true;

    // Bitmap numbers per button: normal, pressed, hover, disabled.
    struct Button
    {
        int ids[4];
        Glyph glyph;
    };
    const Button buttons[] = {
        {{232, 230, 231, 229}, glyphNew},      {{216, 214, 215, 213}, glyphLoadCard},
        {{224, 222, 223, 221}, glyphSaveCard}, {{259, 261, 262, 260}, glyphAdd},
        {{210, 212, 209, 211}, glyphEdit},     {{208, 206, 207, 205}, glyphDelete},
        {{198, 196, 197, 199}, glyphModel},    {{266, 268, 269, 267}, glyphBanner},
        {{220, 218, 219, 217}, glyphOpen},     {{228, 226, 227, 225}, glyphSavePc},
        {{194, 192, 193, 195}, glyphHelp},     {{202, 204, 201, 203}, glyphHome},
    };
    const State states[] = {State::Normal, State::Pressed, State::Hover, State::Disabled};
    for (const Button &entry : buttons) {
        for (int i = 0; i < 4; ++i)
            ok &= save(button(entry.glyph, states[i]),
                       out.filePath(QString("bitmaps/%1.png").arg(entry.ids[i])), "PNG");
    }
    // View buttons: normal, pressed, hover, latched.
    struct ViewButton
    {
        int ids[4];
        Glyph glyph;
        const char *caption;
    };
    const ViewButton viewButtons[] = {
        {{135, 137, 134, 136}, glyphBookmark, "ブックマーク"},
        {{174, 172, 173, 171}, glyphAddress, "アドレス帳"},
        {{178, 176, 177, 175}, glyphMail, "メール"},
        {{182, 180, 181, 179}, glyphSchedule, "スケジュール"},
    };
    const State viewStates[] = {State::Normal, State::Pressed, State::Hover, State::Latched};
    for (const ViewButton &entry : viewButtons) {
        for (int i = 0; i < 4; ++i)
            ok &= save(viewButton(entry.glyph, QString::fromUtf8(entry.caption), viewStates[i]),
                       out.filePath(QString("bitmaps/%1.png").arg(entry.ids[i])), "PNG");
    }
    ok &= save(windowIcon(), out.filePath("bitmaps/128.png"), "PNG");
    ok &= save(programIcon(), out.filePath("icons/cellvane.png"), "PNG");
    ok &= saveBmp(banner(), out.filePath("BANNER.BMP"));
    ok &= saveBmp(firstPicture(), out.filePath("FIRST.BMP"));
    return ok ? 0 : 1;
}
