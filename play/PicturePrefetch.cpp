#include "play/PicturePrefetch.h"

#include "platform/FileIo.h"

PicturePrefetch::~PicturePrefetch()
{
    Cancel();
}

void PicturePrefetch::Start(const PlayRandom& random, const std::vector<DeckEntry>& entries,
                            const PickRules& rules)
{
    Cancel();
    auto pick = [generator = PlayRandom(random), &entries, rules]() mutable {
        PicturePick made = PickPicture(generator, entries, rules);
        return Result{std::move(made), generator};
    };
    m_job = Job{random, rules, std::async(std::launch::async, std::move(pick))};
}

PicturePick PicturePrefetch::Take(PlayRandom& random, const std::vector<DeckEntry>& entries,
                                  const PickRules& rules)
{
    if (m_job && m_job->from == random && m_job->rules == rules) {
        Result result = m_job->result.get();
        m_job.reset();
        if (!entries.empty() &&
            FileVersionOf(entries[result.pick.index].picturePath) == result.pick.fileVersion) {
            random = result.after;
            return std::move(result.pick);
        }
    }
    Cancel();
    return PickPicture(random, entries, rules);
}

void PicturePrefetch::Cancel()
{
    if (m_job && m_job->result.valid())
        m_job->result.wait();
    m_job.reset();
}
