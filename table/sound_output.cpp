// The module that plays the game's sounds through Qt Multimedia.
#include "sound_output.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

#include <memory>
#include <vector>

namespace corvane {
namespace {

// One effect per sound, loaded once and reused; null where the sound is missing.
class EffectsOutput : public SoundOutput {
public:
    explicit EffectsOutput(const QList<QUrl>& sources) {
        for (const QUrl& source : sources) {
            std::unique_ptr<QSoundEffect>& effect = effects_.emplace_back();
            if (source.isEmpty()) continue;
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(source);
        }
    }

    void play(int index) override {
        if (!canPlay(index)) return;
        QSoundEffect& effect = *effects_[index];
        // A card landing while the last one still sounds starts afresh, as a new card would.
        effect.stop();
        effect.play();
    }

    bool canPlay(int index) const override {
        if (index < 0 || index >= int(effects_.size()) || effects_[index] == nullptr) return false;
        return effects_[index]->status() != QSoundEffect::Error;
    }

private:
    std::vector<std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace
}  // namespace corvane

extern "C" Q_DECL_EXPORT corvane::SoundOutput* CorvaneOpenSoundOutput(const QList<QUrl>& sources) {
    // Without an audio output every effect would fail on each play; skip them all from the start.
    if (QMediaDevices::defaultAudioOutput().isNull()) return nullptr;
    return new corvane::EffectsOutput(sources);
}

// The entry point has the type the loader expects.
[[maybe_unused]] static constexpr corvane::OpenSoundOutputFunction kEntryPoint =
    &CorvaneOpenSoundOutput;
