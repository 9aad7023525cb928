// SPDX-License-Identifier: GPL-3.0-or-later
#include "glassphotons.h"

#include "glasslayerview.h"
#include "percenttext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

namespace veltrin {

GlassPhotons::GlassPhotons(const GlassLayerView &view, QWidget *parent)
    : QWidget(parent), m_view(view), m_random(QRandomGenerator::global()->generate64()),
      m_counts(new QLabel(this))
{
    setObjectName(QStringLiteral("glassPhotons"));
    auto *sendButton = new QPushButton(tr("Se&nd %1 photons").arg(batch), this);
    sendButton->setObjectName(QStringLiteral("sendGlassPhotons"));
    sendButton->setToolTip(
        tr("Each photon is reflected or goes through, at random with the layer's "
           "probabilities."));
    auto *clear = new QPushButton(tr("C&lear"), this);
    clear->setObjectName(QStringLiteral("clearGlassPhotons"));
    m_counts->setObjectName(QStringLiteral("glassPhotonCounts"));
    m_counts->setWordWrap(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(sendButton);
    row->addWidget(clear);
    row->addWidget(m_counts, 1);
    connect(sendButton, &QPushButton::clicked, this, [this] { send(batch); });
    connect(clear, &QPushButton::clicked, this, &GlassPhotons::clear);
    connect(&view, &GlassLayerView::changed, this, &GlassPhotons::clear);
    showCounts();
}

void GlassPhotons::send(int count)
{
    const double reflection = m_view.reflection();
    for (int i = 0; i < count; ++i) {
        if (m_random.uniform() < reflection)
            ++m_reflected;
        else
            ++m_transmitted;
    }
    showCounts();
}

void GlassPhotons::clear()
{
    m_reflected = 0;
    m_transmitted = 0;
    showCounts();
}

QString GlassPhotons::text() const
{
    const int sent = m_reflected + m_transmitted;
    if (sent == 0)
        return tr("No photons sent yet.");
    return tr("Of %1 photons, %2 reflected (%3; probability %4) and %5 went through (%6; "
              "probability %7).")
        .arg(QLocale().toString(sent), QLocale().toString(m_reflected),
             percentText(100.0 * m_reflected / sent, 1), percentText(100 * m_view.reflection(), 1),
             QLocale().toString(m_transmitted), percentText(100.0 * m_transmitted / sent, 1),
             percentText(100 * m_view.transmission(), 1));
}

void GlassPhotons::showCounts()
{
    m_counts->setText(text());
    emit countsChanged();
}

} // namespace veltrin
