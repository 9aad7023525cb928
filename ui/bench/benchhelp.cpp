// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchhelp.h"

namespace veltrin {

BenchHelp::BenchHelp(QWidget *parent)
    : HelpPage(QStringLiteral("benchHelp"), tr("Experiment Bench Help"), page(), parent)
{
}

QString BenchHelp::page()
{
    return basics() + experiments() + slits() + closer() + setups();
}

QString BenchHelp::basics()
{
    return tr(
        "<h2>What the map shows</h2>"
        "<p>Every point of the plane in front of the mirror is a place where a detector could "
        "stand. For each one, every point of the mirror that is kept adds its arrow, and the "
        "square of the resultant is the probability that the light arrives there, scaled as the "
        "main window's bars. The brighter the colour, the likelier; the colour bar beside the "
        "map gives the scale in twips of bar.</p>"
        "<h2>Cutting the mirror</h2>"
        "<p>The strip left of the map is the mirror from its upper end to its lower: bright "
        "strips are kept, dark ones cut away. Drag on it to cut strips; a drag that begins on a "
        "cut strip puts them back. The Mirror list cuts it at once: a strip around the vertex, "
        "the edges, a grating, or the zones for the detector's point. The zones belong to one "
        "experiment: once the shape, K, the source or the light changes, the list says "
        "<b>Cut by hand</b>.</p>"
        "<h2>The detector</h2>"
        "<p>Click or drag on the map, type its x and y in the fields beside it, or move it with "
        "the arrow keys, which step on the map's grid: to the next multiple of 100 twips, of 20 "
        "with Shift. Beside the map its arrows are added head to tail; below them stand its "
        "probability and its share of the brightest point.</p>"
        "<h2>Predict first</h2>"
        "<p><b>Predict first</b> hides the map and every number that would tell where the light "
        "goes. Mark where you expect it: click, or move the detector and press Enter. Send "
        "photons if you like and watch where they land; then <b>Reveal</b> shows the map and "
        "how each mark did.</p>"
        "<h2>Keys</h2>"
        "<ul>"
        "<li>On the map: the arrow keys move the detector, Shift for smaller steps; while "
        "predicting, Enter marks its point.</li>"
        "<li>On the mirror strip: Up and Down move its cursor, Space cuts or restores a strip, "
        "Shift+Space a wider one.</li>"
        "<li>Ctrl+Z undoes a cut, Ctrl+Shift+Z redoes it.</li>"
        "<li>Ctrl+N sets the bench up anew from the main window's last run. Closing the bench "
        "keeps what it shows, its cut and its undo for the next time it opens.</li>"
        "<li>Ctrl+S saves the picture, Ctrl+Shift+S the map as CSV; Ctrl+Shift+C copies the "
        "picture, Ctrl+Alt+C the detector's numbers; Ctrl+P prints. The map's context menu has "
        "them too.</li>"
        "<li>F1 shows this page; Escape or Ctrl+W closes the bench.</li>"
        "</ul>");
}

QString BenchHelp::closer()
{
    return tr("<h2>Looking closer</h2>"
              "<p>The numbers beside the map give the place in twips. The <b>Colour scale</b> "
              "says what the brightest colour stands for: each map's own brightest point, the "
              "focus of the whole parabola of the same K in the same light (so that a cut mirror "
              "or the circle shows how much less light it gathers), or a number you type.</p>"
              "<ul>"
              "<li>The mouse wheel, or a touchpad's pinch, zooms about the pointer; Ctrl+plus "
              "and Ctrl+minus zoom about the middle of the map; Ctrl+0 shows the whole map "
              "again.</li>"
              "<li>Drag with the middle button, or press Ctrl and an arrow key, to move about the "
              "zoomed map. The map's context menu has the zoom too.</li>"
              "</ul>");
}

QString BenchHelp::setups()
{
    return tr("<h2>Setups</h2>"
              "<p>The <b>Setup</b> button keeps the bench's experiment in a file, with its cut, "
              "its light, the detector, the photons and the marks, so that a lesson can start "
              "from it: Ctrl+O opens a setup, Ctrl+Alt+S saves this one. <b>Copy share code</b> "
              "puts it on the clipboard as a short text to paste into a message or a worksheet; "
              "<b>Open share code</b> opens one pasted.</p>");
}

QString BenchHelp::experiments()
{
    return tr(
        "<h2>Other experiments</h2>"
        "<p>The <b>Experiment</b> list at the top of the controls (Alt+T) chooses what the "
        "light meets. Each experiment keeps its own set-up: switch back and it is as you left "
        "it. A cut's undo belongs to the experiment it was made in.</p>"
        "<ul>"
        "<li><b>The glass layer</b>: light straight on a layer of glass. Its view shows the "
        "front surface's arrow, turned round, the back surface's, turned by the trip through the "
        "glass and back, and their sum; below, the reflection against the thickness, the "
        "present thickness marked. Drag the thickness and watch the reflection go from nothing "
        "to 16% and back every half wavelength in the glass. <b>With every echo</b> adds the "
        "paths that go back and forth inside: the arrows wind in a spiral, the reflection tops "
        "out at 14.8%, and reflected and transmitted light add up to all of it. With white "
        "light each colour has its curve, and the strip beneath shows the layer's colour, as a "
        "soap film's.</li>"
        "<li><b>The boundary</b>: light from above enters a denser medium along the bright "
        "stretch of the axis, its window. Below, the arrows turn slower by the index; the beam "
        "bends. <b>Path of least time</b> draws the way to the detector that takes the least "
        "time, found by trying every point of the window: it crosses where the arrows at the "
        "detector turn least.</li>"
        "<li><b>The lens</b>: glass as thick at each height as makes every path from the point "
        "source to the target take the same time. The plot beneath the arrows shows each "
        "path's time: flat through the lens, a valley without the glass. Drag the target (the "
        "orange square) or type it; cut the lens on the strip as the mirror is cut.</li>"
        "</ul>"
        "<p>Photons, Predict first and Reveal work for the boundary and the lens as for the "
        "mirror. The glass layer has no map: save, copy and print give its view, and its photons "
        "are either reflected or go through, counted against the probabilities.</p>");
}

QString BenchHelp::slits()
{
    return tr(
        "<h2>The slits</h2>"
        "<p>A screen along the map's left edge with one to a dozen slits; the map shows the "
        "plane behind it. Type the number of <b>Slits</b>, their <b>Width</b> and their "
        "<b>Separation</b>, centre to centre; slits that would overlap or leave the screen are "
        "brought closer or made narrower; or drag a slit off the axis along the screen. The light "
        "comes as a beam, or from a point source "
        "before the screen, where <b>Light from</b> puts it.</p>"
        "<p>At the detector each slit's arrows are drawn in its own colour with their sum, the "
        "slits one after another, head to tail, and their total in bold. The plot beneath shows "
        "how wide one slit's bright spot is at the map's far edge against the slit's width: "
        "narrow the slit and below a few wavelengths its spot grows wider. Below it the photons "
        "sent build the pattern along the detector's vertical line: those landing within about "
        "100 twips of it, counted every 100 twips from below the axis (left) to above it "
        "(right), with the map's probability along the line drawn over them.</p>"
        "<p><b>Which-path marks</b> puts a mark (orange) on each slit that records which one the "
        "light took. Then the slits' sums are not added: each starts from the same point, and "
        "the probability is the sum of their squares. The fringes vanish, and photons land "
        "without them. <b>Erase the marks</b> erases them again (hollow): the sums add and the "
        "fringes come back.</p>");
}

} // namespace veltrin
