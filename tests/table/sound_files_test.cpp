#include "sound_player.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace corvane {
namespace {

std::uint32_t Little(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

// The build synthesises the sounds and builds them into the program, where the game looks for
// them wherever it is installed.
TEST(SoundFiles, AreAudibleSixteenBitPcmWavesBuiltIntoTheProgram) {
    const char* names[] = {"carddeal1.wav", "carddown.wav", "riffle.wav", "knock.wav",
                           "ringout.wav"};  // for the sounds in their order
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(names[index]);
        QFile file(SoundPlayer::BuiltInSounds + "/" + names[index]);
        EXPECT_EQ(SoundPlayer(SoundPlayer::BuiltInSounds).path(static_cast<Sound>(index)),
                  file.fileName());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 46);
        EXPECT_EQ(bytes.left(4) + bytes.mid(8, 8) + bytes.mid(36, 4), "RIFFWAVEfmt data");
        const std::uint32_t channels = Little(bytes, 22, 2);
        // Sizes; PCM; one or two channels; bytes a second and a frame; bits a sample.
        EXPECT_EQ(Little(bytes, 4, 4), std::uint32_t(bytes.size() - 8));
        EXPECT_EQ(Little(bytes, 16, 4), 16u);
        EXPECT_EQ(Little(bytes, 20, 2), 1u);
        EXPECT_TRUE(channels == 1 || channels == 2);
        EXPECT_EQ(Little(bytes, 28, 4), Little(bytes, 24, 4) * channels * 2);
        EXPECT_EQ(Little(bytes, 32, 2), channels * 2);
        EXPECT_EQ(Little(bytes, 34, 2), 16u);
        ASSERT_EQ(Little(bytes, 40, 4), std::uint32_t(bytes.size() - 44));
        int peak = 0;
        for (qsizetype at = 44; at + 1 < bytes.size(); at += 2) {
            peak = std::max(peak, std::abs(int(std::int16_t(Little(bytes, at, 2)))));
        }
        EXPECT_GT(peak, 32768 / 20) << "audible";
    }
}

// Qt Multimedia is loaded from a module of the program's own, not linked into it.
TEST(SoundFiles, ArePlayedByAModuleFoundBesideTheProgram) {
    EXPECT_TRUE(SoundPlayer::soundModuleFound());
}

}  // namespace
}  // namespace corvane
