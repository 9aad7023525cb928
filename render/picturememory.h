// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstddef>
#include <memory>

namespace veltrin {

/// Memory for a picture made anew again and again at changing sizes, as a resize makes it: a new
/// picture takes the memory an earlier one gave back where it is large enough. Fresh memory
/// costs far more than the picture's filling, for the system hands it out page by page as it is
/// first written. Memory goes back when the last copy of its picture is gone, on any thread.
class PictureMemory
{
public:
    PictureMemory();
    ~PictureMemory();
    PictureMemory(const PictureMemory &) = delete;
    PictureMemory &operator=(const PictureMemory &) = delete;

    /// A picture of the size, its pixels not yet set. Memory taken afresh holds twice the
    /// picture, or reserveBytes where more, so that later, larger pictures find it: untouched,
    /// it costs nothing.
    QImage picture(QSize size, QImage::Format format, std::size_t reserveBytes = 0);

private:
    struct Pool;
    struct Loan;
    std::shared_ptr<Pool> m_pool;
};

} // namespace veltrin
