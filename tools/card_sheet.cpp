// Draws every card picture, the suit symbols and the dialog icons on one sheet and saves it as a
// PNG, for looking the artwork over: card_sheet OUTPUT.png [SCALE]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "card_art.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SCALE]\n", argv[0]);
        return 2;
    }
    const double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
    const double cardWidth = corvane::CardArt::CardWidth * scale;
    const double cardHeight = corvane::CardArt::CardHeight * scale;
    const double gap = 6 * scale;
    constexpr int columns = 16;
    const QSize size(qRound(columns * (cardWidth + gap) + gap),
                     qRound(5 * (cardHeight + gap) + gap));
    QImage sheet(size, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(24, 110, 60));
    QPainter painter(&sheet);
    auto cell = [&](int column, int row) {
        return QRectF(gap + column * (cardWidth + gap), gap + row * (cardHeight + gap), cardWidth,
                      cardHeight);
    };
    for (int image = 1; image <= 64; ++image) {
        corvane::CardArt::paint(painter, cell((image - 1) % columns, (image - 1) / columns), image);
    }
    corvane::CardArt::paint(painter, cell(0, 4), 65);
    for (int suit = 0; suit < 4; ++suit) {
        const QRectF box = cell(1 + suit, 4);
        corvane::CardArt::paint(painter, QRectF(box.topLeft(), QSizeF(16 * scale, 16 * scale)),
                                66 + suit);
        corvane::CardArt::paint(
            painter,
            QRectF(box.topLeft() + QPointF(0, 20 * scale), QSizeF(box.width(), box.width())),
            66 + suit);
    }
    for (int icon = 1; icon <= 3; ++icon) {
        const QRectF box = cell(5 + icon, 4);
        painter.fillRect(QRectF(box.topLeft(), QSizeF(34 * scale, 34 * scale)),
                         QColor(240, 240, 240));
        corvane::CardArt::paintDialogIcon(
            painter, QRectF(box.topLeft() + QPointF(scale, scale), QSizeF(32 * scale, 32 * scale)),
            icon);
    }
    // The pictures at the size the table shows them, pixel for pixel.
    for (int i = 0; i < 6; ++i) {
        const int images[] = {1, 23, 41, 59, 63, 65};
        const QPixmap actual = corvane::CardArt::pixmap(images[i], QSize(71, 96));
        painter.drawPixmap(cell(10 + i, 4).topLeft(), actual);
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
