// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturememory.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace veltrin {

namespace {

struct Block
{
    std::unique_ptr<uchar[]> data;
    std::size_t capacity = 0;
};

// Blocks kept for later pictures besides those in use: the last picture's.
constexpr std::size_t keptBlocks = 1;

} // namespace

struct PictureMemory::Pool
{
    std::mutex mutex;
    std::vector<Block> free; // largest first
};

/// A block lent to a picture, to go back to its pool, if the pool is still there.
struct PictureMemory::Loan
{
    std::weak_ptr<Pool> pool;
    Block block;
};

PictureMemory::PictureMemory() : m_pool(std::make_shared<Pool>()) {}

PictureMemory::~PictureMemory() = default;

QImage PictureMemory::picture(QSize size, QImage::Format format, std::size_t reserveBytes)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype stride = (qsizetype(size.width()) * depth + 31) / 32 * 4;
    const std::size_t bytes = std::size_t(std::max<qsizetype>(stride * size.height(), 1));
    auto loan = std::make_unique<Loan>();
    loan->pool = m_pool;
    {
        const std::lock_guard lock(m_pool->mutex);
        auto &free = m_pool->free;
        // The smallest block that is large enough.
        const auto fits = std::find_if(free.rbegin(), free.rend(), [bytes](const Block &block) {
            return block.capacity >= bytes;
        });
        if (fits != free.rend()) {
            loan->block = std::move(*fits);
            free.erase(std::next(fits).base());
        }
    }
    if (!loan->block.data) {
        // Twice what is asked, so that a window made larger step by step takes fresh memory
        // only now and then.
        const std::size_t capacity = std::max(2 * bytes, reserveBytes);
        loan->block = {std::unique_ptr<uchar[]>(new uchar[capacity]), capacity};
    }
    uchar *const data = loan->block.data.get();
    const auto giveBack = [](void *info) {
        std::unique_ptr<Loan> loan(static_cast<Loan *>(info));
        const std::shared_ptr<Pool> pool = loan->pool.lock();
        if (!pool)
            return;
        const std::lock_guard lock(pool->mutex);
        auto &free = pool->free;
        const auto place = std::find_if(free.begin(), free.end(), [&loan](const Block &block) {
            return block.capacity < loan->block.capacity;
        });
        free.insert(place, std::move(loan->block));
        if (free.size() > keptBlocks)
            free.pop_back();
    };
    QImage image(data, size.width(), size.height(), stride, format, giveBack, loan.get());
    if (image.isNull())
        return QImage(size, format); // the picture did not take the memory, which stays here
    loan.release();                  // the picture gives it back
    return image;
}

} // namespace veltrin
