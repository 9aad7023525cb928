// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupfile.h"

#include "glasslayer.h"
#include "mirrorpreset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <cmath>
#include <optional>

namespace veltrin {

namespace {

const QString formatName = QStringLiteral("veltrin-setup");
constexpr auto codeOptions = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
/// What every share code begins with, so that a code of a later format is told apart.
const QString codePrefix = QStringLiteral("V1");
constexpr qsizetype longestCode = 16 * 1024;

struct ElementName
{
    Experiment::Element element;
    const char *name;
};
constexpr ElementName elementNames[] = {
    {Experiment::Element::Mirror, "mirror"},
    {Experiment::Element::Boundary, "boundary"},
    {Experiment::Element::Lens, "lens"},
    {Experiment::Element::Slits, "slits"},
};

QJsonArray pointJson(Vec2 at)
{
    return {at.x, at.y};
}

QJsonArray runsJson(const MirrorCut &cut, MirrorCut::Half half)
{
    QJsonArray runs;
    for (int height = 1; height <= MirrorCut::maxHeight; ++height) {
        if (!cut.keeps(half, height))
            continue;
        const int from = height;
        while (height < MirrorCut::maxHeight && cut.keeps(half, height + 1))
            ++height;
        runs.append(QJsonArray{from, height});
    }
    return runs;
}

QJsonValue cutJson(const MirrorCut &cut)
{
    if (const std::string name = MirrorPreset::nameOf(cut); !name.empty())
        return QString::fromStdString(name);
    return QJsonObject{{QStringLiteral("upper"), runsJson(cut, MirrorCut::Half::Upper)},
                       {QStringLiteral("lower"), runsJson(cut, MirrorCut::Half::Lower)}};
}

/// Reads the fields of one object, each checked as it is taken; the first fault is kept and
/// every later read does nothing, so that a reader reads straight through and asks once.
class Reader
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::SetupFile)

public:
    explicit Reader(const QJsonObject &object) : m_object(object) {}

    bool failed() const { return !m_fault.isEmpty(); }
    const QString &fault() const { return m_fault; }
    void fail(const QString &fault)
    {
        if (m_fault.isEmpty())
            m_fault = fault;
    }
    bool has(const char *key) const { return m_object.contains(QLatin1String(key)); }
    QJsonValue value(const char *key) const { return m_object.value(QLatin1String(key)); }

    double number(const char *key, double low, double high, double otherwise)
    {
        if (failed() || !has(key))
            return otherwise;
        return numberIn(value(key), QLatin1String(key), low, high).value_or(otherwise);
    }

    std::optional<double> numberIn(const QJsonValue &value, const QString &what, double low,
                                   double high)
    {
        if (!value.isDouble() || !std::isfinite(value.toDouble()) || value.toDouble() < low ||
            value.toDouble() > high) {
            fail(tr("\"%1\" is not a number from %2 to %3")
                     .arg(what, QString::number(low, 'f', QLocale::FloatingPointShortest),
                          QString::number(high, 'f', QLocale::FloatingPointShortest)));
            return std::nullopt;
        }
        return value.toDouble();
    }

    bool flag(const char *key, bool otherwise)
    {
        if (failed() || !has(key))
            return otherwise;
        if (!value(key).isBool()) {
            fail(tr("\"%1\" is neither true nor false").arg(QLatin1String(key)));
            return otherwise;
        }
        return value(key).toBool();
    }

    /// A point [x, y] within `reach` twips of the vertex line's middle.
    std::optional<Vec2> pointIn(const QJsonValue &value, const QString &what)
    {
        const QJsonArray pair = value.toArray();
        if (!value.isArray() || pair.size() != 2) {
            fail(tr("\"%1\" is not a point [x, y]").arg(what));
            return std::nullopt;
        }
        const auto x = numberIn(pair[0], what, -reach, reach);
        const auto y = numberIn(pair[1], what, -reach, reach);
        if (!x || !y)
            return std::nullopt;
        return Vec2{*x, *y};
    }

    Vec2 point(const char *key, Vec2 otherwise)
    {
        if (failed() || !has(key))
            return otherwise;
        return pointIn(value(key), QLatin1String(key)).value_or(otherwise);
    }

    static constexpr double reach = Experiment::farthestReach;

private:
    QJsonObject m_object;
    QString m_fault;
};

void readCutHalf(Reader &reader, const QJsonValue &runs, MirrorCut::Half half, MirrorCut &cut)
{
    const QString what = QStringLiteral("cut");
    // Kept runs apart by at least one cut strip: no more of them than half the strips.
    if (!runs.isArray() || runs.toArray().size() > MirrorCut::maxHeight / 2 + 1)
        return reader.fail(Reader::tr("\"cut\" is not a list of kept strips [from, to]"));
    cut.set(half, 1, MirrorCut::maxHeight, false);
    for (const QJsonValue &run : runs.toArray()) {
        const QJsonArray pair = run.toArray();
        if (!run.isArray() || pair.size() != 2)
            return reader.fail(Reader::tr("\"cut\" is not a list of kept strips [from, to]"));
        const auto from = reader.numberIn(pair[0], what, 1, MirrorCut::maxHeight);
        const auto to = reader.numberIn(pair[1], what, 1, MirrorCut::maxHeight);
        if (!from || !to)
            return;
        cut.set(half, int(*from), int(*to), true);
    }
}

MirrorCut readCut(Reader &reader, const Experiment &experiment)
{
    if (reader.failed() || !reader.has("cut"))
        return {};
    const QJsonValue value = reader.value("cut");
    if (value.isString()) {
        const QString name = value.toString();
        const QString preset = name.section(u':', 0, 0);
        const MirrorPreset *found = MirrorPreset::named(preset.toStdString());
        if (found && found->takes == MirrorPreset::Takes::Nothing && preset == name)
            return found->cut(experiment, 0, {});
        if (found && found->takes == MirrorPreset::Takes::Period) {
            bool whole = false;
            const int period = name.section(u':', 1).toInt(&whole);
            if (whole && period >= MirrorPreset::shortestPeriod &&
                period <= MirrorPreset::longestPeriod)
                return found->cut(experiment, period, {});
        }
        reader.fail(SetupFile::tr("\"cut\" %1 is none of the mirror's presets").arg(name));
        return {};
    }
    const QJsonObject halves = value.toObject();
    MirrorCut cut;
    readCutHalf(reader, halves.value(QStringLiteral("upper")), MirrorCut::Half::Upper, cut);
    readCutHalf(reader, halves.value(QStringLiteral("lower")), MirrorCut::Half::Lower, cut);
    return cut;
}

Source readSource(Reader &reader)
{
    if (reader.failed() || !reader.has("source"))
        return Source::beam();
    const QJsonValue value = reader.value("source");
    if (value.toString() == u"beam")
        return Source::beam();
    if (const auto at = reader.pointIn(value, QStringLiteral("source")))
        return Source::point(MapGrid::sceneOf(*at));
    reader.fail(SetupFile::tr("\"source\" is neither \"beam\" nor a point [x, y]"));
    return Source::beam();
}

Experiment readExperiment(Reader &reader)
{
    Experiment experiment;
    if (reader.has("experiment")) {
        const QString name = reader.value("experiment").toString();
        const auto *found = std::find_if(
            std::begin(elementNames), std::end(elementNames),
            [&name](const ElementName &element) { return name == QLatin1String(element.name); });
        if (found == std::end(elementNames))
            reader.fail(SetupFile::tr("\"experiment\" %1 is none of the experiments").arg(name));
        else
            experiment.element = found->element;
    }
    const double k =
        reader.number("K", Experiment::lowestK, Experiment::highestK, experiment.shape.k());
    if (reader.has("shape") && reader.value("shape").toString() == u"circle")
        experiment.shape = MirrorShape::circle(k);
    else if (!reader.has("shape") || reader.value("shape").toString() == u"parabola")
        experiment.shape = MirrorShape::parabola(k);
    else
        reader.fail(SetupFile::tr("\"shape\" is neither \"parabola\" nor \"circle\""));

    if (reader.value("light").toString() == u"white") {
        experiment.whiteLight = true;
    } else {
        experiment.wavenumber = reader.number("light", Experiment::lowestWavenumber,
                                              Experiment::highestWavenumber, experiment.wavenumber);
    }
    experiment.source = readSource(reader);
    experiment.index =
        reader.number("index", GlassLayer::lowestIndex, GlassLayer::highestIndex, experiment.index);
    experiment.beamAngle =
        reader.number("beamAngle", 0, Boundary::steepestAngle, experiment.beamAngle);
    const Vec2 window = reader.point("window", {experiment.windowFrom, experiment.windowTo});
    if (!reader.failed() && (window.x < 0 || window.y > MapExtent().xEnd || window.x >= window.y))
        reader.fail(SetupFile::tr("\"window\" is not a stretch [from, to] of the boundary"));
    experiment.windowFrom = window.x;
    experiment.windowTo = window.y;
    experiment.target = reader.point("target", experiment.target);
    const double slits = reader.number("slits", 1, Slits::mostSlits, experiment.slitCount);
    if (slits != std::floor(slits))
        reader.fail(SetupFile::tr("\"slits\" is not a whole number"));
    experiment.slitCount = int(slits);
    experiment.slitWidth =
        reader.number("width", Slits::narrowest, Slits::widest, experiment.slitWidth);
    experiment.slitSeparation = reader.number("separation", Slits::narrowest, Slits::screenHeight,
                                              experiment.slitSeparation);
    if (!reader.failed() && experiment.element == Experiment::Element::Slits &&
        !Slits::fit(experiment.slitCount, experiment.slitWidth, experiment.slitSeparation))
        reader.fail(SetupFile::tr("the slits overlap or do not fit on the screen"));
    experiment.whichPath = reader.flag("whichPath", experiment.whichPath);
    experiment.eraser = reader.flag("eraser", experiment.eraser);
    if (experiment.element == Experiment::Element::Lens && !experiment.source.isPoint())
        reader.fail(SetupFile::tr("the lens needs a point source"));
    experiment.cut = readCut(reader, experiment);
    return experiment;
}

std::variant<Setup, QString> setupFrom(const QJsonObject &root)
{
    if (root.value(QStringLiteral("format")).toString() != formatName)
        return SetupFile::tr("this is not a Veltrin setup");
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return SetupFile::tr("the setup names no version of its format");
    if (version.toDouble() > SetupFile::version)
        return SetupFile::tr("the setup is of a newer version (%1) than this Veltrin reads (%2)")
            .arg(version.toInteger())
            .arg(SetupFile::version);
    return SetupFile::fromObject(root);
}

} // namespace

std::variant<Setup, QString> SetupFile::fromObject(const QJsonObject &root)
{
    const bool glass = root.value(QStringLiteral("experiment")).toString() == u"glass";
    QJsonObject experiment = root;
    if (glass)
        experiment.remove(QStringLiteral("experiment")); // the light's and the index's keys
    Reader reader(experiment);
    Setup setup;
    setup.experiment = readExperiment(reader);
    if (glass) {
        setup.glass = Setup::Glass{};
        setup.glass->thickness =
            reader.number("thickness", 0, Setup::Glass::thickest, setup.glass->thickness);
        setup.glass->echoes = reader.flag("echoes", setup.glass->echoes);
    }
    setup.detector = reader.point("detector", setup.detector);
    if (reader.has("photons")) {
        Reader photons(reader.value("photons").toObject());
        // Whole numbers a JSON reader keeps exact.
        setup.photonSeed = std::uint64_t(photons.number("seed", 0, 9007199254740991.0, 1));
        setup.photonCount = int(photons.number("count", 0, Setup::mostPhotons, 1000));
        reader.fail(photons.fault());
    }
    if (reader.has("predictions")) {
        const QJsonArray marks = reader.value("predictions").toArray();
        if (marks.size() > qsizetype(Setup::mostPredictions))
            reader.fail(SetupFile::tr("more than %1 predictions").arg(Setup::mostPredictions));
        for (const QJsonValue &mark : marks) {
            if (reader.failed())
                break;
            if (const auto at = reader.pointIn(mark, QStringLiteral("predictions")))
                setup.predictions.push_back(*at);
        }
    }
    Reader view(reader.value("view").toObject());
    setup.mapShown = view.flag("map", setup.mapShown);
    setup.predictFirst = view.flag("predictFirst", setup.predictFirst);
    reader.fail(view.fault());
    if (reader.failed())
        return reader.fault();
    return setup;
}

QByteArray SetupFile::toJson(const Setup &setup)
{
    QJsonObject root = toObject(setup);
    root.insert(QStringLiteral("format"), formatName);
    root.insert(QStringLiteral("version"), version);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QJsonObject SetupFile::toObject(const Setup &setup)
{
    const Experiment &experiment = setup.experiment;
    QJsonObject root;
    if (setup.glass) {
        // The layer has no map: no detector, photons or predictions of its own.
        return {{QStringLiteral("experiment"), QStringLiteral("glass")},
                {QStringLiteral("light"), experiment.whiteLight
                                              ? QJsonValue(QStringLiteral("white"))
                                              : QJsonValue(experiment.wavenumber)},
                {QStringLiteral("index"), experiment.index},
                {QStringLiteral("thickness"), setup.glass->thickness},
                {QStringLiteral("echoes"), setup.glass->echoes}};
    }
    for (const ElementName &element : elementNames) {
        if (element.element == experiment.element)
            root.insert(QStringLiteral("experiment"), QLatin1String(element.name));
    }
    root.insert(QStringLiteral("shape"), experiment.shape.kind() == MirrorShape::Kind::Circle
                                             ? QStringLiteral("circle")
                                             : QStringLiteral("parabola"));
    root.insert(QStringLiteral("K"), experiment.shape.k());
    root.insert(QStringLiteral("light"), experiment.whiteLight ? QJsonValue(QStringLiteral("white"))
                                                               : QJsonValue(experiment.wavenumber));
    root.insert(QStringLiteral("source"),
                experiment.source.isPoint()
                    ? QJsonValue(pointJson(MapGrid::mapOf(experiment.source.at())))
                    : QJsonValue(QStringLiteral("beam")));
    if (experiment.element != Experiment::Element::Mirror)
        root.insert(QStringLiteral("index"), experiment.index);
    if (experiment.element == Experiment::Element::Boundary) {
        root.insert(QStringLiteral("beamAngle"), experiment.beamAngle);
        root.insert(QStringLiteral("window"),
                    pointJson({experiment.windowFrom, experiment.windowTo}));
    }
    if (experiment.element == Experiment::Element::Lens)
        root.insert(QStringLiteral("target"), pointJson(experiment.target));
    if (experiment.element == Experiment::Element::Slits) {
        root.insert(QStringLiteral("slits"), experiment.slitCount);
        root.insert(QStringLiteral("width"), experiment.slitWidth);
        root.insert(QStringLiteral("separation"), experiment.slitSeparation);
        root.insert(QStringLiteral("whichPath"), experiment.whichPath);
        root.insert(QStringLiteral("eraser"), experiment.eraser);
    }
    root.insert(QStringLiteral("cut"), cutJson(experiment.cut));
    root.insert(QStringLiteral("detector"), pointJson(setup.detector));
    root.insert(QStringLiteral("photons"),
                QJsonObject{{QStringLiteral("seed"), qint64(setup.photonSeed)},
                            {QStringLiteral("count"), setup.photonCount}});
    QJsonArray marks;
    for (const Vec2 mark : setup.predictions)
        marks.append(pointJson(mark));
    root.insert(QStringLiteral("predictions"), marks);
    root.insert(QStringLiteral("view"),
                QJsonObject{{QStringLiteral("map"), setup.mapShown},
                            {QStringLiteral("predictFirst"), setup.predictFirst}});
    return root;
}

std::variant<Setup, QString> SetupFile::fromJson(const QByteArray &json)
{
    if (json.size() > largest)
        return tr("the setup is larger than %1 bytes").arg(largest);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return tr("the setup is not readable JSON: %1 at byte %2")
            .arg(error.errorString())
            .arg(error.offset);
    if (!document.isObject())
        return tr("this is not a Veltrin setup");
    return setupFrom(document.object());
}

QString SetupFile::shareCode(const Setup &setup)
{
    // Only what differs from a new setup: a reader takes the rest as a new setup has it.
    QJsonObject root = QJsonDocument::fromJson(toJson(setup)).object();
    const QJsonObject fresh = QJsonDocument::fromJson(toJson(Setup{})).object();
    for (const QString &key : fresh.keys()) {
        if (key != u"format" && key != u"version" && root.value(key) == fresh.value(key))
            root.remove(key);
    }
    const QByteArray packed = qCompress(QJsonDocument(root).toJson(QJsonDocument::Compact), 9);
    // qCompress's own four bytes of length are left out: the code reads it back from the text.
    return codePrefix + QString::fromLatin1(packed.mid(4).toBase64(codeOptions));
}

std::variant<Setup, QString> SetupFile::fromShareCode(const QString &code)
{
    const QString text = code.trimmed();
    const auto broken = [] { return tr("the share code is not whole: copy it again"); };
    // A code far longer than any setup's could unpack to far more than `largest`.
    if (!text.startsWith(codePrefix) || text.size() > longestCode)
        return broken();
    const QByteArray::FromBase64Result packed =
        QByteArray::fromBase64Encoding(text.mid(codePrefix.size()).toLatin1(),
                                       codeOptions | QByteArray::AbortOnBase64DecodingErrors);
    if (!packed || packed.decoded.isEmpty() || packed.decoded.size() > largest)
        return broken();
    // Unpacked in steps no larger than `largest`, so that a code cannot ask for more memory.
    QByteArray withLength(4, '\0');
    qToBigEndian<quint32>(quint32(largest), withLength.data());
    const QByteArray json = qUncompress(withLength + packed.decoded);
    if (json.isEmpty())
        return broken();
    return fromJson(json);
}

} // namespace veltrin
