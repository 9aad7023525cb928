#include "probabilitystage.h"

#include "busydelay.h"
#include "mirror.h"
#include "pathsum.h"
#include "runsetup.h"
#include "surface.h"

#include <utility>
#include <vector>

namespace veltrin {

bool ProbabilityStage::run(Surface &surface, const RunValues &values)
{
    using namespace scene;
    const float baseline = float(spiralBaseline);
    surface.drawLine({float(X0), baseline}, {float(XS + 500), baseline});

    // The incoming rays, drawn again at every position from beyond the source plane, over the
    // earlier bars: lower and upper ray of each ray sample in turn.
    std::vector<std::pair<PointF, PointF>> rays;
    const Mirror mirror(values.k);
    for (int j = Mirror::firstSample; j <= Mirror::lastSample; ++j) {
        if (!Mirror::isRaySample(j))
            continue;
        const float x = float(mirror.lowerX(j));
        for (const float y : {float(Mirror::lowerY(j)), float(Mirror::upperY(j))})
            rays.push_back({{float(XS + 500), y}, {x, y}});
    }

    PathSum pathSum(values.k, values.frequency);
    for (double xd = X0; xd < XS; xd += detectorStep) {
        for (const auto &[from, to] : rays)
            surface.drawLine(from, to);

        pathSum.sumAt(xd, spiralBaseline);
        surface.drawChain(pathSum.spiral());

        const float barX = float(xd + values.bars.offset);
        surface.drawLine({barX, float(Y0)}, {barX, float(Y0 - pathSum.probability())},
                         values.bars.colour);
        surface.present();
        if (!BusyDelay::wait(values.delayCount, surface))
            return false;
    }
    return true;
}

} // namespace veltrin
