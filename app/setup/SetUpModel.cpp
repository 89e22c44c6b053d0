#include "SetUpModel.h"

namespace vlnokres {

Aspects differences(const Chosen &before, const Chosen &after)
{
    const SetUp &a = before.setUp, &b = after.setUp;
    Aspects aspects;
    aspects.setFlag(Aspect::Values, a.values != b.values);
    aspects.setFlag(Aspect::Slowdown, a.slowdown != b.slowdown);
    aspects.setFlag(Aspect::Axis, a.axis != b.axis);
    aspects.setFlag(Aspect::Colours, a.colours != b.colours);
    aspects.setFlag(Aspect::SumHidden, a.sumHidden != b.sumHidden);
    aspects.setFlag(Aspect::Labels, a.labels != b.labels);
    aspects.setFlag(Aspect::Readouts, a.readouts != b.readouts);
    aspects.setFlag(Aspect::LargeText, a.largeText != b.largeText);
    aspects.setFlag(Aspect::Perpendicular, a.perpendicular != b.perpendicular);
    aspects.setFlag(Aspect::Cursors, a.cursors != b.cursors);
    aspects.setFlag(Aspect::Voice, a.voice != b.voice);
    aspects.setFlag(Aspect::BaseTone, a.baseTone != b.baseTone);
    aspects.setFlag(Aspect::Language, before.language != after.language);
    return aspects;
}

SetUpModel::SetUpModel() { m_chosen.language = vlnokres::language(); }

void SetUpModel::change(const std::function<void(Chosen &)> &edit, Origin origin, Aspects chosen)
{
    Chosen next = m_chosen;
    edit(next);
    Aspects aspects = differences(m_chosen, next);
    if (origin == Origin::User)
        aspects |= chosen;
    m_chosen = std::move(next);
    if (aspects & Aspect::Language)
        setLanguage(m_chosen.language);
    if (aspects)
        Q_EMIT changed(aspects, origin);
}

} // namespace vlnokres
