#include "window_preferences.h"
#include "expert/levels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace corvane {

namespace {

const QString kSounds = QStringLiteral("Sounds");
const QString kReadAloud = QStringLiteral("ReadAloud");
const QString kFourColourSuits = QStringLiteral("FourColourSuits");
const QString kCardDeck = QStringLiteral("CardDeck");
const QString kGeometry = QStringLiteral("Window/Geometry");
const QString kMaximized = QStringLiteral("Window/Maximized");
const QString kTarvishLevel = QStringLiteral("TarvishPlays");
const QString kTutor = QStringLiteral("Tutor");

std::unique_ptr<QSettings> OpenSettings(const QString& file) {
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Corvane"), QStringLiteral("Corvane"));
}

QList<QRect> AvailableScreens() {
    QList<QRect> available;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        available.append(primary->availableGeometry());
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            available.append(screen->availableGeometry());
        }
    }
    return available;
}

}  // namespace

WindowPreferences::WindowPreferences(const QString& file) : settings_(OpenSettings(file)) {}

WindowPreferences::~WindowPreferences() = default;

bool WindowPreferences::soundsOn() const {
    return settings_->value(kSounds, true).toBool();
}

OpponentLevel WindowPreferences::tarvishLevel() const {
    return LevelNamed(settings_->value(kTarvishLevel).toString().toStdString());
}

bool WindowPreferences::tutorOn() const {
    return settings_->value(kTutor, false).toBool();
}

void WindowPreferences::setTutorOn(bool on) {
    settings_->setValue(kTutor, on);
    settings_->sync();
}

void WindowPreferences::setTarvishLevel(OpponentLevel level) {
    settings_->setValue(kTarvishLevel, QString::fromLatin1(OpponentLevelName(level)));
    settings_->sync();
}

void WindowPreferences::setSoundsOn(bool on) {
    settings_->setValue(kSounds, on);
    settings_->sync();
}

bool WindowPreferences::readAloud() const {
    return settings_->value(kReadAloud, false).toBool();
}

void WindowPreferences::setReadAloud(bool on) {
    settings_->setValue(kReadAloud, on);
    settings_->sync();
}

bool WindowPreferences::fourColourSuits() const {
    return settings_->value(kFourColourSuits, false).toBool();
}

void WindowPreferences::setFourColourSuits(bool on) {
    settings_->setValue(kFourColourSuits, on);
    settings_->sync();
}

QString WindowPreferences::cardDeck() const {
    return settings_->value(kCardDeck).toString();
}

void WindowPreferences::setCardDeck(const QString& id) {
    settings_->setValue(kCardDeck, id);
    settings_->sync();
}

void WindowPreferences::saveWindow(const QWidget& window) {
    settings_->setValue(kGeometry, window.normalGeometry());
    settings_->setValue(kMaximized, window.isMaximized());
    settings_->sync();
}

bool WindowPreferences::restoreWindow(QWidget& window) const {
    const QRect saved = settings_->value(kGeometry).toRect();
    if (!saved.isValid()) return false;
    window.setGeometry(FitOntoScreens(saved, AvailableScreens()));
    if (settings_->value(kMaximized, false).toBool()) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
    return true;
}

QRect FitOntoScreens(const QRect& saved, const QList<QRect>& available) {
    if (available.isEmpty()) return saved;
    const auto home = std::find_if(available.begin(), available.end(), [&](const QRect& screen) {
        return screen.contains(saved.center());
    });
    if (home != available.end() && home->contains(saved)) return saved;

    const QRect room =
        (home != available.end() ? *home : available.front()).marginsRemoved(WindowFrameRoom);
    QRect fitted(QPoint(), saved.size().boundedTo(room.size()));
    if (home == available.end()) {
        fitted.moveCenter(room.center());
    } else {
        fitted.moveTopLeft(saved.topLeft());
        fitted.moveLeft(std::clamp(fitted.left(), room.left(), room.right() - fitted.width() + 1));
        fitted.moveTop(std::clamp(fitted.top(), room.top(), room.bottom() - fitted.height() + 1));
    }
    return fitted;
}

}  // namespace corvane
