// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PicturePrefetch.h"

#include "platform/files/FileFacts.h"

namespace {

// One pick at a time is wanted; the second thread lets the next pick begin
// while the look ahead of the one before still decodes.

PicturePick PickOrNothing(PlayRandom& random, const std::vector<DeckEntry>& pictures,
                          const PickRules& rules, PictureCache& cache)
{
    try {
        return PickPicture(random, pictures, rules, cache);
    } catch (const std::exception&) {
        // Out of memory: the picture counts as one that cannot be shown.
        return PicturePick{};
    }
}

} // namespace

PicturePrefetch::PicturePrefetch(PictureCache& cache) : m_cache(cache) {}

PicturePrefetch::~PicturePrefetch()
{
    Abandon();
}

void PicturePrefetch::Start(const PlayRandom& random, DeckPictures pictures, const PickRules& rules)
{
    Abandon();
    m_pictures = std::move(pictures);
    auto outcome = std::make_shared<Outcome>();
    m_job = Job{.from = random, .rules = rules, .outcome = outcome};
    m_workers.Start([this, outcome, pictures = m_pictures, generator = random, rules]() mutable {
        PicturePick pick = PickOrNothing(generator, *pictures, rules, m_cache);
        const PlayRandom after = generator;
        {
            const std::scoped_lock hold(outcome->lock);
            outcome->result = Result{pick, after};
        }
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                if (m_job && m_job->outcome == outcome)
                    emit ready();
            },
            Qt::QueuedConnection);
        LookAhead(after, pick, *pictures, rules, *outcome);
    });
}

// Makes the picks that the keys after `first` would make, as long as the
// play stays on this course and their pictures fill at most half the cache,
// so that the look ahead never pushes out what it is about to show.
void PicturePrefetch::LookAhead(PlayRandom random, const PicturePick& first,
                                const std::vector<DeckEntry>& pictures, const PickRules& rules,
                                const Outcome& outcome)
{
    if (pictures.empty())
        return;
    qint64 bytes = first.image ? first.image->HeldBytes() : 0;
    int index = first.index;
    bool shown = first.image != nullptr;
    for (int step = 0; step < kLookAheadPicks && !outcome.abandoned; ++step) {
        if (bytes >= m_cache.BudgetBytes() / 2)
            return;
        if (shown)
            DrawDefaultSound(random, pictures[index], rules.defaultSoundCount);
        const PicturePick pick = PickOrNothing(random, pictures, rules, m_cache);
        bytes += pick.image ? pick.image->HeldBytes() : 0;
        index = pick.index;
        shown = pick.image != nullptr;
    }
}

std::optional<PicturePick> PicturePrefetch::TakeReady(PlayRandom& random, const PickRules& rules)
{
    if (!m_pictures)
        return std::nullopt;
    if (!m_job || m_job->from != random || m_job->rules != rules) {
        Start(random, m_pictures, rules);
        return std::nullopt;
    }
    std::optional<Result> result = TakeResult();
    if (!result)
        return std::nullopt;
    // A file changed since it was read is read again, once: one that keeps
    // changing is shown as it was read the second time.
    const std::vector<DeckEntry>& pictures = *m_pictures;
    if (!m_job->readAgain && !pictures.empty() &&
        FileVersionOf(pictures[result->pick.index].picturePath) != result->pick.fileVersion) {
        Start(random, m_pictures, rules);
        m_job->readAgain = true;
        return std::nullopt;
    }
    m_job.reset();
    random = result->after;
    return std::move(result->pick);
}

std::optional<PicturePrefetch::Result> PicturePrefetch::TakeResult()
{
    const std::scoped_lock hold(m_job->outcome->lock);
    return std::exchange(m_job->outcome->result, std::nullopt);
}

// The job under way is no longer wanted: one not begun is dropped, one
// begun stops looking ahead after the picture it decodes.
void PicturePrefetch::Abandon()
{
    m_workers.Clear();
    if (m_job)
        m_job->outcome->abandoned = true;
}

void PicturePrefetch::Cancel()
{
    Abandon();
    m_job.reset();
    m_pictures.reset();
    m_cache.Clear();
}
