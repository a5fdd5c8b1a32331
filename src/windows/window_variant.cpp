#include "window_variant.h"

namespace ostrelta {

namespace {

const TWindow_variant Half_bridge{TConverter_topology::Bridge_floor,
                                  2,
                                  "Bridge_floor",
                                  TWindow_text::Caption_Bridge_floor,
                                  440,
                                  "N2_1",
                                  "N2_2",
                                  "N2_5",
                                  "N2_6",
                                  "N2_3",
                                  "N2_4",
                                  "N1"};

const TWindow_variant Full_bridge{TConverter_topology::Bridge,
                                  3,
                                  "Bridge",
                                  TWindow_text::Caption_Bridge,
                                  439,
                                  "N3_1",
                                  "N3_2",
                                  "N3_3",
                                  "N3_4",
                                  "N3_5",
                                  "N3_6",
                                  "N1"};

const TWindow_variant Centre_tapped{TConverter_topology::With_average_conclusion,
                                    4,
                                    "With_average_conclusion",
                                    TWindow_text::Caption_With_average_conclusion,
                                    440,
                                    "N4_1",
                                    "N4_2",
                                    "N4_3",
                                    "N4_4",
                                    "N4_5",
                                    "N4_6",
                                    "N11"};

}  // namespace

QString TWindow_variant::Name(const char* kind, int ordinal) const
{
    return QStringLiteral("%1%2_%3").arg(QLatin1String(kind)).arg(digit).arg(ordinal);
}

QString TWindow_variant::Name(const char* kind, const char* suffix) const
{
    return QStringLiteral("%1%2_%3").arg(QLatin1String(kind)).arg(digit).arg(QLatin1String(suffix));
}

const TWindow_variant& Window_variant(TConverter_topology topology)
{
    switch (topology) {
    case TConverter_topology::Bridge_floor: return Half_bridge;
    case TConverter_topology::Bridge: return Full_bridge;
    case TConverter_topology::With_average_conclusion: return Centre_tapped;
    }
    return Half_bridge;
}

}  // namespace ostrelta
