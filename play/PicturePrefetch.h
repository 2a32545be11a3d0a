// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WorkerPool.h"

#include "play/PicturePick.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

using DeckPictures = std::shared_ptr<const std::vector<DeckEntry>>;

// Picks and decodes the next picture on a worker thread while the child looks
// at the one before, from a copy of the generator: the draws are the same as
// the key would make, so the key only has to draw the result. Once the next
// pick is ready the worker goes on along the draws the keys after it would
// make, so that their pictures wait in the cache too. Nothing here waits for
// the workers but the destructor, which waits for the decodes under way.
//
// Threads: the public functions, m_job and m_pictures belong to the thread
// that made the object (the play's). A worker touches only what its job was
// given (copies of the generator and rules, the deck's pictures, shared and
// never changed, and its Outcome, whose lock guards the result and whose
// `abandoned` is atomic), m_cache, which has a lock of its own and is the
// owner's, made before the prefetch, and the object only to post ready() back
// to its thread, where it is checked against m_job. m_workers, declared last,
// is destroyed first and waits for the workers while the cache still exists;
// what they posted goes with the object.
class PicturePrefetch : public QObject
{
    Q_OBJECT

public:
    // The bytes of decoded pictures kept for the play: a few screens' worth.
    static constexpr qint64 kCacheBudgetBytes = qint64(128) << 20;
    // Two workers: a pick begun again need not wait for the one it replaces.
    static constexpr int kWorkerThreads = 2;
    // How many picks after the next one are made ready ahead.
    static constexpr int kLookAheadPicks = 6;

    // `cache` keeps the pictures made ready; it must outlive the prefetch.
    explicit PicturePrefetch(PictureCache& cache);
    ~PicturePrefetch() override;

    // Begins the pick that `random` would make from `pictures` under `rules`
    // next, forgetting the one under way.
    void Start(const PlayRandom& random, DeckPictures pictures, const PickRules& rules);
    // The pick made from `random` under `rules`, with `random` advanced past
    // its draws, when the worker has it ready. Otherwise nothing, and the
    // pick is under way (begun again when it was begun from another state or
    // rules, or its file changed since it was read): ready() follows.
    std::optional<PicturePick> TakeReady(PlayRandom& random, const PickRules& rules);
    // Forgets the pick under way at once, and the pictures kept; the
    // worker's result is dropped.
    void Cancel();

signals:
    // The pick under way is ready to be taken.
    void ready();

private:
    struct Result
    {
        PicturePick pick;
        PlayRandom after;
    };
    // Shared with the worker, which fills it.
    struct Outcome
    {
        std::mutex lock;
        std::optional<Result> result;
        std::atomic<bool> abandoned = false; // the look ahead stops
    };
    struct Job
    {
        PlayRandom from;
        PickRules rules;
        std::shared_ptr<Outcome> outcome;
        bool readAgain = false; // begun again because the file changed
    };

    std::optional<Result> TakeResult();
    void Abandon();
    void LookAhead(PlayRandom random, const PicturePick& first,
                   const std::vector<DeckEntry>& pictures, const PickRules& rules,
                   const Outcome& outcome);

    DeckPictures m_pictures;
    std::optional<Job> m_job;
    PictureCache& m_cache;
    // Last, so that it is destroyed first: it waits for the workers, and
    // abandoned ones still post to this object.
    WorkerPool m_workers{kWorkerThreads};
};
