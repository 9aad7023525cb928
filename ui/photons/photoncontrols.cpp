// SPDX-License-Identifier: GPL-3.0-or-later
#include "photoncontrols.h"

#include "photonstream.h"
#include "probabilitysound.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

namespace veltrin {

PhotonControls::PhotonControls(PhotonStream &stream, ProbabilitySound &sound, QWidget *parent)
    : QWidget(parent), m_send(new QPushButton(tr("Se&nd photons"), this)),
      m_rate(new QComboBox(this)), m_clear(new QPushButton(tr("C&lear"), this)),
      m_count(new QLabel(this)), m_hear(new QCheckBox(tr("&Hear it"), this))
{
    m_send->setObjectName(QStringLiteral("sendPhotons"));
    m_send->setCheckable(true);
    // As wide as its longer caption, so that the row keeps its places as it changes.
    int widest = 0;
    for (const QString &caption : {tr("&Pause"), tr("Se&nd photons")}) {
        m_send->setText(caption);
        widest = std::max(widest, m_send->sizeHint().width());
    }
    m_send->setMinimumWidth(widest);
    m_send->setToolTip(tr("Sends photons one at a time at the chosen rate, each landing where the "
                          "probability sends it; press again to pause."));
    connect(m_send, &QPushButton::toggled, &stream, [&stream](bool on) {
        if (on)
            stream.start();
        else
            stream.pause();
    });
    connect(&stream, &PhotonStream::runningChanged, this, [this](bool running) {
        m_send->setChecked(running);
        m_send->setText(running ? tr("&Pause") : tr("Se&nd photons"));
    });

    m_rate->setObjectName(QStringLiteral("photonRate"));
    m_rate->setAccessibleName(tr("Photons a second"));
    m_rate->setToolTip(tr("How many photons are sent each second."));
    for (const int rate : PhotonStream::rates)
        m_rate->addItem(rate == PhotonStream::fastest
                            ? tr("as fast as it draws")
                            : tr("%1 per second").arg(QLocale().toString(rate)),
                        rate);
    m_rate->setCurrentIndex(m_rate->findData(stream.rate()));
    connect(m_rate, &QComboBox::currentIndexChanged, &stream,
            [this, &stream](int index) { stream.setRate(m_rate->itemData(index).toInt()); });

    m_clear->setObjectName(QStringLiteral("clearPhotons"));
    m_clear->setToolTip(tr("Removes the photons that have landed."));
    connect(m_clear, &QPushButton::clicked, this, &PhotonControls::clearRequested);

    m_count->setObjectName(QStringLiteral("photonCount"));
    setCount(0);

    m_hear->setObjectName(QStringLiteral("hearIt"));
    m_hear->setToolTip(tr("A click for each photon, and a tone whose pitch follows the "
                          "probability"));
    m_hear->setChecked(sound.isOn());
    connect(m_hear, &QCheckBox::toggled, &sound, &ProbabilitySound::setOn);
    connect(&sound, &ProbabilitySound::onChanged, m_hear, &QCheckBox::setChecked);
    connect(&sound, &ProbabilitySound::silenced, this, [this](const QString &why) {
        m_hear->setToolTip(why);
        m_hear->setText(tr("&Hear it (no sound)"));
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_send);
    layout->addWidget(m_rate);
    layout->addWidget(m_clear);
    layout->addWidget(m_count, 1);
    layout->addWidget(m_hear);
}

void PhotonControls::setCount(qint64 count)
{
    m_count->setText(tr("Photons: %1").arg(QLocale().toString(count)));
}

} // namespace veltrin
