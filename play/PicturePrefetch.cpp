#include "play/PicturePrefetch.h"

#include "platform/files/FileFacts.h"

namespace {

// One pick at a time is wanted; the second thread lets a new play begin while
// the last pick of the play before is still being decoded.
constexpr int kWorkerThreads = 2;

} // namespace

PicturePrefetch::PicturePrefetch()
{
    m_workers.setMaxThreadCount(kWorkerThreads);
}

PicturePrefetch::~PicturePrefetch() = default;

void PicturePrefetch::Start(const PlayRandom& random, DeckPictures pictures, const PickRules& rules)
{
    m_workers.clear(); // a pick abandoned before its worker began
    m_pictures = std::move(pictures);
    auto outcome = std::make_shared<Outcome>();
    m_job = Job{.from = random, .rules = rules, .outcome = outcome};
    m_workers.start([this, outcome, pictures = m_pictures, generator = random, rules]() mutable {
        PicturePick pick;
        try {
            pick = PickPicture(generator, *pictures, rules);
        } catch (const std::exception&) {
            // Out of memory: the picture counts as one that cannot be shown.
            pick = PicturePick{};
        }
        {
            const std::scoped_lock hold(outcome->lock);
            outcome->result = Result{std::move(pick), generator};
        }
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                if (m_job && m_job->outcome == outcome)
                    emit ready();
            },
            Qt::QueuedConnection);
    });
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

void PicturePrefetch::Cancel()
{
    m_workers.clear();
    m_job.reset();
    m_pictures.reset();
}

void PicturePrefetch::WaitForWorkers()
{
    m_workers.waitForDone();
}
