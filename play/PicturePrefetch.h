#pragma once

#include "play/PicturePick.h"

#include <future>
#include <optional>
#include <vector>

// Picks and decodes the next picture on a worker thread while the child looks
// at the one before, from a copy of the generator: the draws are the same as
// the key would make, so the key only has to draw the result. The entries
// must stay as they are until Cancel.
class PicturePrefetch
{
public:
    PicturePrefetch() = default;
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;
    ~PicturePrefetch();

    // Begins the pick that `random` would make under `rules` next.
    void Start(const PlayRandom& random, const std::vector<DeckEntry>& entries,
               const PickRules& rules);
    // The pick made from `random` under `rules`, with `random` advanced past
    // its draws: the prefetched one when it was begun from the same state and
    // rules and its file has not changed since (waiting for it if need be),
    // else one made now.
    PicturePick Take(PlayRandom& random, const std::vector<DeckEntry>& entries,
                     const PickRules& rules);
    // Forgets the pick under way, once the worker is done with the entries.
    void Cancel();

private:
    struct Result
    {
        PicturePick pick;
        PlayRandom after;
    };
    struct Job
    {
        PlayRandom from;
        PickRules rules;
        std::future<Result> result;
    };
    std::optional<Job> m_job;
};
