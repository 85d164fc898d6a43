#!/bin/bash
# A real receiver follows the boat. gpsd listens on a loopback UDP port; the
# harness motors a short way through the Exumas sending NMEA there; gpsd's
# last fix must lie within 0.1 nautical mile of the harness's own latitude and
# longitude for the boat, with the boat's speed and true course over ground.
# gpsd also decodes the AIS reports: ship 1, brought two miles off, must show
# where the game has her, at her speed and course, with her name and size;
# the fleet reports as class B. Before that the output goes to a host that
# does not exist; the cruise ends while it sends.
#
# usage: nmea_gpsd.sh VELMARA_REPLAY     (exit 77: skipped, gpsd not installed)
set -u
replay=$1
PATH=$PATH:/usr/sbin:/sbin

for tool in gpsd gpspipe python3 timeout; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool (Debian packages gpsd and gpsd-clients)"; exit 77; }
done

work=$(mktemp -d)
# Ends this script's own gpsd and gpspipe.
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# A port may be taken: gpsd then exits at once, so try a few.
ready=
for attempt in 1 2 3 4 5; do
    ctl=$((20000 + RANDOM % 20000))
    udp=$((ctl + 1))
    gpsd -N -n -S "$ctl" "udp://127.0.0.1:$udp" >"$work/gpsd.log" 2>&1 &
    gpsd_pid=$!
    for _ in $(seq 30); do
        timeout 1 gpspipe -w -n 1 "localhost:$ctl" >/dev/null 2>&1 && ready=1 && break
        kill -0 "$gpsd_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$ready" ] && break
    kill "$gpsd_pid" 2>/dev/null
    wait "$gpsd_pid" 2>/dev/null
done
[ -n "$ready" ] || { echo "FAIL: gpsd did not start"; cat "$work/gpsd.log"; exit 1; }

timeout 30 gpspipe -w "localhost:$ctl" >"$work/reports.json" 2>/dev/null &
sleep 0.5

cat >"$work/run.vrs" <<EOF
seed 11
set CruiseOptions.boatType 3
set CruiseOptions.difficulty 1
set CruiseOptions.departureHour 9
command 32975
frames 1
key SPACE
frames 1
key SPACE
click 50 50
set OwnBoat.x 0
set OwnBoat.y 0
set OwnBoat.heading 60
set OwnBoat.headingExact 60
command 32849
command 32853
key SPACE
# Light air: no waves to check her way between the last fix and the dump.
set Weather.baseSpeed 4
set Weather.veer 0
nmea-log $work/sent.nmea
nmea nosuch.invalid:9
frames 20
set ObjectList.fbx[35] 700
set ObjectList.fby[35] -600
nmea 127.0.0.1:$udp
frames 300
dump $work/before.json
frames 10
ais-target 1
geo ObjectList.fbx[35] ObjectList.fby[35]
geo OwnBoat.x OwnBoat.y
dump $work/state.json
set Score.endReason 1
frames 20
EOF
timeout 60 "$replay" "$work/run.vrs" >"$work/replay.out" 2>"$work/replay.err" ||
    { echo "FAIL: the replay failed"; cat "$work/replay.out" "$work/replay.err"; exit 1; }

# gpsd reports each set as it decodes it; wait until the reports stop coming.
last=-1
for _ in $(seq 50); do
    now=$(wc -c <"$work/reports.json")
    [ "$now" -gt 0 ] && [ "$now" -eq "$last" ] && break
    last=$now
    sleep 0.2
done

python3 - "$work" <<'EOF'
import json, math, sys
work = sys.argv[1]
lat, lon = map(float, open(f"{work}/replay.out").read().split()[-2:])
state = json.load(open(f"{work}/state.json"))
boat, variation = state["OwnBoat"], state["NavState"]["variation"]
def report(line):
    try:
        return json.loads(line)
    except ValueError:  # a line gpspipe is still writing
        return {}
fixes = [r for r in map(report, open(f"{work}/reports.json"))
         if r.get("class") == "TPV" and r.get("mode", 0) >= 2 and "lat" in r]
if not fixes:
    sys.exit("FAIL: gpsd decoded no fix from the sentences")
fix = fixes[-1]
miss = math.hypot(fix["lat"] - lat, (fix["lon"] - lon) * math.cos(math.radians(lat))) * 60.0
knots = fix.get("speed", -1.0) / 0.514444
course = (boat["courseOverGround"] - variation) % 360
turn = abs((fix.get("track", -1000.0) - course + 180) % 360 - 180)
print(f"{len(fixes)} fixes; the last {miss:.4f} nm from the harness's position at {fix.get('time')}; "
      f"{knots:.2f} kn against {boat['speedOverGround']:.2f}; track {fix.get('track')} against {course}")
failures = [why for wrong, why in [
    (miss > 0.1, "the fix lies more than 0.1 nm from the boat"),
    (abs(knots - boat["speedOverGround"]) > 0.1, "the speed over ground differs"),
    (turn > 2.0, "the course over ground differs"),
    (not str(fix.get("time", "")).startswith("2024-11-04T14:"), "the time is not the boat's clock in UTC"),
] if wrong]

lines = open(f"{work}/replay.out").read().splitlines()
mmsi, callsign, *numbers_name = lines[-3].split(" ", 8)
slat, slon = map(float, lines[-2].split())
ais = [r for r in map(report, open(f"{work}/reports.json")) if r.get("class") == "AIS"]
ship, at = ([r for r in ais if r.get("mmsi") == int(mmsi) and r.get("type") == t][-1] for t in (1, 5))
before, clock = json.load(open(f"{work}/before.json")), state["SimClock"]["cruiseMinutes"]
dx, dy = (state["ObjectList"][k][35] - before["ObjectList"][k][35] for k in ("fbx", "fby"))
knots = math.hypot(dx, dy) / state["AreaGrid"]["unitsPerMile"] / ((clock - before["SimClock"]["cruiseMinutes"]) / 60)
course, cos = math.degrees(math.atan2(dx, -dy)) % 360, math.cos(math.radians(slat))
# Back along her track to the second of the report, in minutes of arc.
back = knots * ((math.floor(clock * 60) - ship["second"]) % 60) / 3600
# gpspipe -w asks for the raw fields: ten-thousandths of a minute, tenths.
miss = math.hypot((ship["lat"] / 6e5 - slat) * 60 + back * math.cos(math.radians(course)),
                  (ship["lon"] / 6e5 - slon) * 60 * cos + back * math.sin(math.radians(course)))
sent, part, key, broken = [l.split(",") for l in open(f"{work}/sent.nmea") if l[0] == "!"], 0, ("", "", ""), False
for s in sent:  # each sentence continues the message before it, or starts one on the other channel
    broken |= int(s[2]) != part + 1 or ((s[1], s[3], s[4]) != key if part else s[4] == key[2])
    part, key = (0 if s[1] == s[2] else int(s[2])), (s[1], s[3], s[4])
failures += [why for wrong, why in [
    (miss > 0.02, "ship 1's AIS position is not where the game has her"),
    (abs(ship["speed"] / 10 - knots) > 0.1, "ship 1's AIS speed differs"),
    (abs((ship["course"] / 10 - course + 180) % 360 - 180) > 1.0, "ship 1's AIS course differs"),
    ([at.get(k) for k in ("shipname", "callsign", "imo", "shiptype", "to_bow", "to_stern", "to_port", "to_starboard")]
     != [numbers_name[-1], callsign, *map(int, numbers_name[:6])], "ship 1's static data differ"),
    (not {18, 24} <= {r["type"] for r in ais}, "no class B reports of the fleet"),
    (broken or part != 0, "an AIS message left incomplete or on the channel of the one before"),
] if wrong]
if failures:
    sys.exit("FAIL: " + "; ".join(failures))
EOF
