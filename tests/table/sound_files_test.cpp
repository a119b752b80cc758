#include "sound_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace corvane {
namespace {

struct SoundFile {
    Sound sound;
    const char* name;
    double shortest;  // seconds
    double longest;
};

// The build synthesises these next to the game, where the program looks for them.
constexpr SoundFile SoundFiles[] = {
    {Sound::CardDeal, "carddeal1.wav", 0.04, 0.4}, {Sound::CardDown, "carddown.wav", 0.08, 0.6},
    {Sound::Riffle, "riffle.wav", 0.6, 1.6},       {Sound::Knock, "knock.wav", 0.2, 1.0},
    {Sound::Ringout, "ringout.wav", 0.3, 1.5},
};

std::uint32_t Little(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

TEST(SoundFiles, AreShortQuietSixteenBitMonoWavesNextToTheProgram) {
    const QString directory = QCoreApplication::applicationDirPath();
    for (const SoundFile& expected : SoundFiles) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(SoundPlayer::fileName(expected.sound), QString(expected.name));
        QFile file(directory + "/" + expected.name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 44);
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(Little(bytes, 4, 4), static_cast<std::uint32_t>(bytes.size() - 8));
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(Little(bytes, 16, 4), 16u);
        EXPECT_EQ(Little(bytes, 20, 2), 1u) << "PCM";
        EXPECT_EQ(Little(bytes, 22, 2), 1u) << "mono";
        const std::uint32_t rate = Little(bytes, 24, 4);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
        EXPECT_EQ(Little(bytes, 28, 4), rate * 2);
        EXPECT_EQ(Little(bytes, 32, 2), 2u);
        EXPECT_EQ(Little(bytes, 34, 2), 16u);
        EXPECT_EQ(bytes.mid(36, 4), "data");
        const std::uint32_t dataSize = Little(bytes, 40, 4);
        ASSERT_EQ(dataSize, static_cast<std::uint32_t>(bytes.size() - 44));

        const double seconds = dataSize / 2.0 / rate;
        EXPECT_GE(seconds, expected.shortest);
        EXPECT_LE(seconds, expected.longest);

        int peak = 0;
        for (std::uint32_t at = 44; at + 1 < static_cast<std::uint32_t>(bytes.size()); at += 2) {
            const auto sample = static_cast<std::int16_t>(Little(bytes, static_cast<int>(at), 2));
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_GT(peak, 32768 / 20) << "audible";
        EXPECT_LT(peak, 32768 * 3 / 4) << "quiet enough and never clipped";
        const auto last = static_cast<std::int16_t>(Little(bytes, bytes.size() - 2, 2));
        EXPECT_LT(std::abs(static_cast<int>(last)), 64) << "ends without a click";
    }
}

TEST(SoundPlayer, FindsTheBuiltSoundsWhereverThereIsAnAudioOutput) {
    const bool audio = !QMediaDevices::defaultAudioOutput().isNull();
    SoundPlayer player(QCoreApplication::applicationDirPath());
    for (const SoundFile& sound : SoundFiles) {
        EXPECT_EQ(player.canPlay(sound.sound), audio) << sound.name;
        player.play(sound.sound);
    }
}

TEST(SoundPlayer, MissingFilesAreSkippedSilently) {
    SoundPlayer player(QStringLiteral("/nonexistent/directory"));
    QSignalSpy requests(&player, &SoundPlayer::playRequested);
    for (const SoundFile& sound : SoundFiles) {
        EXPECT_FALSE(player.canPlay(sound.sound)) << sound.name;
        player.play(sound.sound);
    }
    EXPECT_EQ(requests.size(), static_cast<qsizetype>(std::size(SoundFiles)));
}

}  // namespace
}  // namespace corvane
