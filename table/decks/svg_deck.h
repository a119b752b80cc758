#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <mutex>

class QSvgRenderer;

namespace corvane {

// One SVG deck's pictures: the faces from the Seven to the Ace of its 52, the back and, where
// the deck draws them, the four suit symbols. The file is parsed once; pictures may be drawn from
// any thread, one at a time.
class SvgDeck {
public:
    // Parses `svgFile` (plain or gzipped); an unreadable file gives a deck with no pictures.
    explicit SvgDeck(const QString& svgFile);
    ~SvgDeck();
    SvgDeck(const SvgDeck&) = delete;
    SvgDeck& operator=(const SvgDeck&) = delete;

    // The element that draws picture `image` (1..64 a face, 65 the back, 66..69 a suit symbol).
    static QString ElementId(int image);

    bool loaded() const { return loaded_; }
    // Whether the deck draws picture `image`; pictures it lacks are the game's own.
    bool has(int image) const;
    // The elements the game's pictures want and the deck lacks.
    QStringList missingElements() const;

    // Picture `image` drawn into a transparent image of `pixels`, at its own proportion and
    // centred: a card fills the height or the width, a suit symbol 92 % of the largest square.
    QImage render(int image, QSize pixels) const;

private:
    std::unique_ptr<QSvgRenderer> renderer_;
    bool loaded_ = false;
    std::array<bool, 70> present_{};
    mutable std::mutex rendering_;
};

}  // namespace corvane
