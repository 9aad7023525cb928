#include "startcommand.h"

#include "mirrorstage.h"
#include "probabilitystage.h"
#include "runsetup.h"

namespace veltrin {

StartCommand::Outcome StartCommand::run(Surface &surface)
{
    const RunValues values = RunSetup::run(surface);
    MirrorStage::run(surface, values);
    return ProbabilityStage::run(surface, values) ? Outcome::Finished : Outcome::WindowClosed;
}

} // namespace veltrin
