// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishdescriptions.h"

#include "catalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace core {

namespace {

// In quiz order, so that entry n - 1 describes FishPhoto n.
const std::array<QString, FishCount> &descriptions()
{
    static const std::array<QString, FishCount> table{{
        QStringLiteral(
            "A streamlined silvery fish with one bright yellow stripe from snout to tail, "
            "which is all yellow and deeply forked; small yellow spots on the olive-blue "
            "back; blue water over sand and coral."),
        QStringLiteral(
            "A deep, silvery fish with a steep blunt forehead, a greenish-bronze back and a "
            "yellowish belly; a black spot on the gill cover and another at the base of the "
            "pectoral fin; bony scutes before its yellowish, deeply forked tail."),
        QStringLiteral(
            "A tiny, slender black fish with a brilliant electric-blue stripe from the eye "
            "to the rounded tail and a whitish belly, resting on top of a coral head."),
        QStringLiteral(
            "A tall, disc-shaped black fish, each scale edged in yellow so the body looks "
            "speckled; a yellow ring round the eye, a yellow bar at the gill cover, "
            "trailing fin tips and a pale rim on the tail."),
        QStringLiteral(
            "An oval, flat-sided fish, all bright blue with fine darker wavy lines, a small "
            "mouth, a crescent tail and a pale yellow spot at the base of the tail; over "
            "sand and coral."),
        QStringLiteral(
            "A deep silver-blue fish with a steep head, bright yellow lengthwise stripes and "
            "yellow fins; two black bars cross the head, one slanting through the eye, one "
            "from the nape to the pectoral fin."),
        QStringLiteral(
            "Two very long, thin, silvery fish with blue-green backs, both jaws drawn out "
            "into a long thin beak with small teeth; they swim just under the surface."),
        QStringLiteral(
            "A long, torpedo-shaped silver-grey fish with a pointed head, a jutting lower "
            "jaw full of fang-like teeth, dark slanting bars on the upper side, black "
            "blotches on the lower rear side and a dark forked tail."),
        QStringLiteral(
            "A school of small, slender, translucent green-grey fish, each with one shining "
            "silver stripe along its side, swimming in open blue water."),
        QStringLiteral(
            "A round, flat-sided white fish with a pointed snout, faint slanting lines and "
            "yellow fins; a black bar runs through the eye and a solid black spot sits on "
            "the rear of the dorsal fin."),
        QStringLiteral(
            "A small, slim, brilliant electric-blue fish with a deeply forked tail; a black "
            "band runs along its back and out along the upper and lower edges of the tail; "
            "more small blue fish swim behind."),
        QStringLiteral(
            "An oval, grey-brown fish with about ten thin dark vertical bars on its side, a "
            "crescent tail and a pale spot at the base of the tail; beside a coral head and "
            "a sea fan."),
        QStringLiteral(
            "A very deep, almost round silver-grey fish with a blunt head, tall pointed rear "
            "fin lobes and black vertical bars across the body, the first through the eye; "
            "open blue water."),
        QStringLiteral(
            "A rigid, triangular, box-shaped fish, white to pale grey and covered with round "
            "black spots, with a small mouth and white lips; over a sand bottom."),
        QStringLiteral(
            "A heavy, uniformly tan fish resting on the sand, with two rounded dorsal fins "
            "set far back, a long upper tail lobe, small eyes and barbels at the nostrils."),
        QStringLiteral("A slender, cigar-shaped fish with a bright blue head, then two broad black "
                       "bands with a pale blue-white band between them, and a green body; the tail "
                       "lobes are edged darker."),
        QStringLiteral(
            "A flat, diamond-shaped grey-brown disc with pointed outer corners, seen from "
            "above as it rests on the sand, with its eyes on top and a long whip-like "
            "tail."),
        QStringLiteral(
            "A round, flat-sided pale fish with thin dark slanting lines, a black bar "
            "through the real eye, and a large black, white-ringed false eye spot near the "
            "tail; yellow-edged fins."),
        QStringLiteral(
            "A tall, disc-shaped blue-green fish with yellow-edged scales, a dark, "
            "blue-ringed crown spot on the forehead, bright yellow tail and pectoral fins, "
            "and long trailing points on the dorsal and anal fins."),
        QStringLiteral("A small, deep fish with bright yellow stripes on a blue-white body, the "
                       "stripes slanting below the midline and level above it; yellow fins."),
        QStringLiteral("An oval, grey-brown fish without bars, with a strongly crescent tail edged "
                       "pale, bluish fin edges and a pale spot at the base of the tail."),
        QStringLiteral(
            "A small, slender grey fish with a rounded, shovel-shaped head and an eye at "
            "each end of it, seen from straight above as it swims over rippled sand."),
        QStringLiteral(
            "A rigid, box-shaped fish with a humped back, olive-green to grey-brown with "
            "small white dots, and a pale chain-like mesh with two dark blotches in the "
            "middle of its side."),
        QStringLiteral("A long, uniformly green eel with a heavy head and an open mouth full of "
                       "teeth, peering out of a hole in a reef rock."),
        QStringLiteral("A pinkish-white fish with a long pointed snout, a dark patch on top of the "
                       "head, three long filaments rising from the front of the dorsal fin and a "
                       "black spot at its rear base."),
        QStringLiteral(
            "A small, round, yellow-brown disc seen from above as it lies on the sand, "
            "finely speckled with dark and pale spots, with a short thick tail ending in a "
            "small fin."),
        QStringLiteral("A large, heavy, uniformly powder-blue fish with white beak-like teeth, a "
                       "rounded forehead and a crescent tail, swimming over a coral head."),
        QStringLiteral(
            "A deep, yellowish-olive fish with two bright blue curved lines across the "
            "lower face, dark lines radiating from the eye, and long streaming tips on the "
            "dorsal and anal fins and both tail lobes."),
        QStringLiteral(
            "An oval, white to silver fish with five black vertical bars and a yellow upper "
            "back, beside a sea fan and a coral head."),
        QStringLiteral(
            "A round fish puffed up into a ball covered with long spines, tan with small "
            "black spots and large green eyes."),
        QStringLiteral(
            "A round-bodied fish with a bright yellow head, front and tail, the large rear "
            "of the body black, and a blue mark above the eye; over rubble by the reef."),
        QStringLiteral(
            "Seen from above, a fish with wide pointed wings, a duck-bill snout and a very "
            "long thin tail, dark blue-black with many white spots and rings, gliding in "
            "open water."),
        QStringLiteral(
            "A fish with a long, sloping head and a yellow body lined lengthwise with many "
            "blue stripes; dark dorsal and tail fins and a red mouth; over a rubble "
            "bottom."),
        QStringLiteral("A tall, disc-shaped grey fish whose darker scale centres give it a spotted "
                       "look, with a pale white mouth, a squared-off tail with a pale rim and a "
                       "trailing tip on the dorsal fin."),
        QStringLiteral("A small, deep oval fish with a bright yellow body and tail, a sharp-edged "
                       "blue-purple saddle sprinkled with bright blue dots over the head and upper "
                       "back, and a blue-ringed black spot at the rear of the dorsal fin."),
        QStringLiteral("An oval, dark navy fish with a few bright electric-blue spots on the upper "
                       "front of the body and a bright yellow tail."),
        QStringLiteral(
            "An upright, orange-yellow fish with small dark dots, a long tubular snout, a "
            "crest on the head and bony rings on the body, its curled tail gripping a tall "
            "red coral whip."),
        QStringLiteral(
            "A heavy green fish with a beak-like mouth, pink-orange marks on the cheek, a "
            "bright yellow spot at the upper corner of the gill cover and an orange "
            "crescent on the tail."),
        QStringLiteral("A round, flat-sided white fish with three broad black vertical bands, the "
                       "first through the eye, and dark-edged fins; over a rubble bottom."),
        QStringLiteral("A box-shaped, orange-yellow fish with two horn-like spines over the eyes, "
                       "covered with bright blue scrawled lines and spots."),
        QStringLiteral("A flat, oval, pale sandy fish lying on the sand, seen from above with both "
                       "eyes on its upper side, covered with bright blue rings and spots."),
        QStringLiteral(
            "A very long, thin, stick-like reddish-brown fish with a long tubular snout, a "
            "small fan-shaped tail, pale lengthwise lines and small dark spots, hanging "
            "head down among soft corals."),
        QStringLiteral(
            "A red fish with silvery-white lengthwise stripes, very large dark eyes, a spiny "
            "dorsal fin with yellow tips and a deeply forked tail."),
        QStringLiteral(
            "A heavy tan fish with a large mouth, five dark vertical bars, a dark bar "
            "through the eye, a dark fork-shaped mark on the forehead and a black saddle "
            "spot just before the rounded tail."),
        QStringLiteral(
            "A massive, heavy fish with a broad flat head and small eyes, brownish olive "
            "with small black spots and faint dark vertical blotches; a diver swims far "
            "above it."),
        QStringLiteral(
            "A long eel, white to pale yellow and densely covered with dark purple-brown "
            "spots, its open mouth full of teeth, peering out of a hole in the reef."),
        QStringLiteral(
            "A large, heavy, elongated fish with a blunt head and beak-like teeth, "
            "bronze-orange at the front and green at the rear, with a green-blue beak and "
            "orange fins edged in green."),
    }};
    return table;
}

} // namespace

QString fishDescription(int number)
{
    if (number < 1 || number > FishCount)
        throw std::out_of_range("no fish photo numbered " + std::to_string(number));
    return descriptions()[number - 1];
}

} // namespace core
