// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdialog.h"

namespace veltrin {

HelpDialog::HelpDialog(QWidget *parent)
    : HelpPage(QStringLiteral("helpDialog"), tr("Veltrin Help"), page() + closeUpKeys(), parent)
{
}

QString HelpDialog::page()
{
    return tr(
        "<h2>What the picture shows</h2>"
        "<p><b>The mirror.</b> On the left stands a parabolic mirror, x = K&middot;y&sup2;, "
        "like an antenna dish turned on its side. Light comes from the right as a parallel "
        "beam: the twelve horizontal lines are some of its rays, and after the mirror they "
        "gather near the focus, 1/(4K) to the right of the mirror's vertex. A larger K is a "
        "deeper dish with a nearer focus.</p>"
        "<p><b>The paths.</b> Quantum electrodynamics does not let the light take one ray. "
        "It asks: in how many ways can the light get from the source to a detector on the "
        "axis? Each point of the mirror gives one path: from the source to that point, and "
        "from there to the detector. Veltrin takes 3000 points of the mirror.</p>"
        "<p><b>The arrows.</b> Every path adds a little arrow, all of the same length. An "
        "arrow's direction is a clock hand that turns as the light goes: the longer the path, "
        "and the higher the frequency, the further it has turned.</p>"
        "<p><b>The spirals.</b> Below the axis the arrows of one detector position are added "
        "head to tail. Where neighbouring paths differ in length, the arrows turn against "
        "each other and curl up into a Cornu spiral that goes nowhere. Where the paths are all "
        "nearly equally long, at the focus, the arrows point the same way and the line from "
        "the first tail to the last head, the resultant, is long.</p>"
        "<p><b>The bars.</b> Press Start and the detector walks along the axis from left to "
        "right, 142 positions. At each one the square of the resultant's length is the "
        "probability that the light arrives there; it is drawn as a bar above the axis: red "
        "for Low, green for Middle and blue for High frequency. The bars peak at the "
        "focus.</p>"
        "<h2>What to try</h2>"
        "<ul>"
        "<li>Choose another frequency and press Start again. Asked &ldquo;Delete "
        "probability&rdquo;, answer <b>No</b>: the bars stay, and the runs stand side by side. "
        "The higher the frequency, the narrower the peak.</li>"
        "<li>Choose another K: the peak moves, and the dish gathers the light nearer to "
        "itself.</li>"
        "<li>Look closer at one detector position: after a run, click its bar to open a "
        "close-up window with its arrows, its paths and its numbers; from the keyboard, use the "
        "drawing's context menu entry <b>Look closer&hellip;</b> (Ctrl+L).</li>"
        "<li>Keep what you see: right-click the drawing to save the picture (Ctrl+S), copy it "
        "(Ctrl+C), print it (Ctrl+P), or save the bars' numbers for a spreadsheet "
        "(Ctrl+Shift+S). <tt>veltrin --help</tt> shows how to make pictures and numbers "
        "without opening the window.</li>"
        "<li>The scroll bar under the title slows the run down, so that you can watch each "
        "spiral curl.</li>"
        "</ul>");
}

QString HelpDialog::closeUpKeys()
{
    return tr("<h2>Keys in the close-up</h2>"
              "<ul>"
              "<li>Left and Right step to the neighbouring detector position, Home and End go "
              "to the ends.</li>"
              "<li>Ctrl+C copies the position's figures, Ctrl+Shift+A those of all positions, "
              "as a table for a spreadsheet.</li>"
              "<li>Ctrl+S saves the picture of its views, Ctrl+Shift+C copies it and Ctrl+P "
              "prints it; its context menu has them too.</li>"
              "<li>Ctrl+E opens the experiment bench.</li>"
              "<li>Escape or Ctrl+W closes it.</li>"
              "</ul>");
}

} // namespace veltrin
