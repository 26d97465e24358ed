#!/usr/bin/env python3
"""A slow, independent reference of the tariff prices, in exact fractions.

Reads profiles in the command line's JSON format and prints, per profile, the
price text and hint of every result field. Used by scripts/compare_reference.py
to check the engine on many generated profiles.
"""
from fractions import Fraction as F
import json
import sys

D = lambda s: F(s)  # exact decimal

# Zone of every country per scheme: TM, TM-IC, TW-IC, ET, ET-NC, ET-GO, OS, FIX
ZONES = [
    (1, 1, 7, 1, 1, 1, 4, 1), (2, 1, 1, 2, 1, 2, 7, 1), (2, 1, 1, 2, 1, 2, 1, 1), (2, 1, 1, 2, 1, 2, 1, 1),
    (5, 2, 2, 6, 2, 3, 2, 2), (3, 1, 1, 3, 1, 2, 1, 2), (4, 2, 2, 3, 2, 2, 2, 2), (4, 2, 2, 4, 2, 3, 2, 2),
    (4, 2, 2, 4, 2, 3, 2, 2), (3, 1, 1, 3, 1, 2, 1, 2), (4, 2, 2, 4, 2, 3, 2, 2), (3, 1, 1, 4, 1, 3, 1, 2),
    (3, 1, 1, 3, 1, 2, 1, 2), (4, 2, 2, 3, 2, 2, 2, 2), (3, 1, 1, 5, 1, 3, 1, 2), (3, 1, 1, 3, 1, 2, 1, 2),
    (4, 2, 2, 4, 2, 3, 2, 2), (5, 1, 1, 5, 1, 3, 2, 2), (3, 1, 1, 3, 1, 2, 1, 2), (4, 2, 2, 3, 2, 2, 2, 2),
    (4, 3, 3, 4, 2, 3, 2, 2), (3, 1, 1, 3, 1, 2, 1, 2), (4, 1, 1, 3, 1, 2, 6, 2), (3, 1, 1, 3, 1, 2, 1, 2),
    (3, 1, 1, 4, 1, 3, 1, 2), (3, 2, 2, 5, 2, 3, 1, 2), (4, 2, 2, 4, 2, 3, 2, 2), (4, 3, 8, 5, 3, 3, 8, 2),
    (3, 2, 2, 4, 2, 3, 1, 2), (4, 2, 2, 3, 2, 2, 2, 2), (3, 1, 1, 4, 1, 3, 1, 2), (3, 1, 1, 4, 1, 2, 1, 2),
    (3, 1, 1, 3, 1, 2, 1, 2), (4, 3, 8, 3, 3, 2, 8, 2), (5, 1, 1, 5, 1, 3, 5, 2), (3, 1, 1, 3, 1, 2, 1, 2),
]
TM, TMIC, TWIC, ET, ETNC, ETGO, OS, FIX = range(8)
LB = "\n\r"


class U:
    def __init__(self, prof):
        m = prof.get("matrix", [[0] * 7] * 4)
        self.m = m
        self.wapb = prof.get("wap", [0] * 4)
        self.gw = prof.get("gprs_wap_kb", 0)
        self.gn = prof.get("gprs_internet_kb", 0)
        rows = prof.get("international", [])
        intl = []
        for i in range(4):
            r = rows[i] if i < len(rows) else {}
            intl.append((r.get("country", i), r.get("peak", 0), r.get("afternoon", 0), r.get("evening_weekend", 0)))
        self.intl = intl
        self.net = prof.get("internet_calls", False)
        self.dd = prof.get("direct_debit", False)
        self.fixed_shown = prof.get("fixed_line", False)
        self.T = sum(m[b][r] for b in range(4) for r in (0, 1, 2, 3, 5))
        self.z = [[[0, 0, 0] for _ in range(9)] for _ in range(8)]
        for c, p, a, e in intl:
            for s in range(8):
                zz = ZONES[c][s]
                self.z[s][zz][0] += p
                self.z[s][zz][1] += a
                self.z[s][zz][2] += e

    def row(self, r):
        return sum(self.m[b][r] for b in range(4))

    def cell(self, b, r):
        return self.m[b][r]

    @property
    def wap(self):
        return sum(self.wapb)

    @property
    def sms_tm(self):
        return self.m[0][4]

    @property
    def sms_et(self):
        return self.m[1][4]

    @property
    def sms_osk(self):
        return self.m[2][4]

    @property
    def sms(self):
        return self.sms_tm + self.sms_et + self.sms_osk

    @property
    def mms(self):
        return self.m[3][4]

    def zone(self, s, z):
        return sum(self.z[s][z])


def share(total, n):
    return F(total - n, total) if total >= n and total > 0 else F(0)


# ---------------------------------------------------------------- T-Mobile
SET = {
    "A": ([D("15.47"), D("24.99"), D("28.56"), D("35.7"), D("41.65"), D("76.16")], [D("11.3"), D("20.23"), D("28.2")]),
    "B": ([D("14.28"), D("21.42"), D("22.61"), D("29.75"), D("34.51"), D("70.21")], [D("11.3"), D("20.23"), D("28.2")]),
    "T": ([D(17), D("24.9"), D("28.3"), D("37.4"), D("40.8"), D(84)], [D("11.3"), D(17), D("23.7")]),
}


def gprs_pkg(u):
    w, n = u.gw, u.gn
    c = [w * D("0.6") + n * D("0.07"),
         118 + n * D("0.07") + ((w - 1000) * D("0.6") if w >= 1000 else 0),
         237 + w * D("0.6") + ((n - 10000) * D("0.07") if n >= 10000 else 0),
         D(832)]
    names = ["GPRS Basic", "GPRS WAP", "GPRS Email&PDA", "GPRS Internet+"]
    best, name = F(999999), None
    for i in range(4):
        if c[i] < best:
            best, name = c[i], names[i]
    return best, name


def tm_intl(u, setname):
    std, ic = SET[setname]
    if not u.net:
        return sum(u.zone(TM, z) * std[z - 1] for z in range(1, 7))
    return sum(u.zone(TMIC, z) * ic[z - 1] for z in range(1, 4))


A_ROWS = {
    # id: N, fixed rates, tm rates, et, osk, vm, fee, vikend thr, free data, data, sms, mms, wap, set
    "t30": (30, ["7.14"] * 4, ["4.76"] * 4, "7.14", "7.14", "1.19", "226.1", 31, 0, "2.38", "2.02", "9.8", "2.38", "A"),
    "t80": (80, ["5.36"] * 4, ["4.17"] * 4, "5.36", "5.36", "1.19", "535.5", 81, 0, "2.38", "2.02", "9.8", "2.38", "A"),
    "t250": (250, ["4.17"] * 4, ["4.17"] * 4, "4.17", "4.17", "1.19", "1178.1", 251, 0, "2.38", "2.02", "9.8", "2.38", "B"),
    "t600": (600, ["3.57"] * 4, ["3.57"] * 4, "3.57", "3.57", "1.19", "2130.1", 501, 100, "2.38", "2.02", "9.8", "2.38", "B"),
    "hit30": (30, ["5.71"] * 4, ["3.81"] * 4, "5.71", "5.71", "1.19", "226.1", 31, 0, "2.38", "1.19", "9.8", "2.38", "A"),
    "hit80": (80, ["4.28"] * 4, ["3.33"] * 4, "4.28", "4.28", "1.19", "535.5", 81, 0, "2.38", "1.19", "9.8", "2.38", "A"),
    "hit250": (250, ["3.33"] * 4, ["3.33"] * 4, "3.33", "3.33", "1.19", "1178.1", 251, 0, "2.38", "1.19", "9.8", "2.38", "B"),
    "hit600": (500, ["2.86"] * 4, ["2.86"] * 4, "2.86", "2.86", "1.22", "1904", 501, 100, "2.38", "1.19", "9.8", "2.38", "B"),
    "student": (50, ["4.17", "4.17", "2.26", "2.26"], ["4.17", "4.17", "2.26", "2.26"], "5.36", "5.36", "1.19", "226", 51, 0,
                "4.3", "1.19", "10", "2.4", "A"),
}


def rule_a(u, tid):
    N, fr, tr, et, osk, vm, fee, thr, freedata, data, smsr, mmsr, wapr, st = A_ROWS[tid]
    sh = share(u.T, N)
    cost = sum(u.cell(b, 0) * D(fr[b]) + u.cell(b, 1) * D(tr[b]) for b in range(4))
    w = u.cell(3, 1)
    r = D(tr[3])
    sur = F(0)
    if w * r > w * D("0.6") + D("34.5") and w >= thr:
        cost = cost - w * r + w * D("0.6")
        sur = D("34.5")
    cost += u.row(2) * D(et) + u.row(3) * D(osk) + u.row(5) * D(vm)
    price = cost * sh + D(fee) + sur
    d = u.row(6)
    if freedata:
        if d >= 101:
            price += (d - 100) * D(data)
    else:
        price += d * D(data)
    if tid == "student":
        if u.sms_tm >= 31:
            price += (u.sms_tm - 30 + u.sms_et + u.sms_osk) * D("1.19")
        else:
            price += (u.sms_et + u.sms_osk) * D("1.19")
        if u.mms >= 4:
            price += (u.mms - 3) * 10
    else:
        price += u.sms * D(smsr) + u.mms * D(mmsr)
    price += u.wap * D(wapr)
    best, name = gprs_pkg(u)
    price += best
    hint = name
    price += tm_intl(u, st)
    if sur != 0:
        hint = hint + LB + "Příplatek Víkend+"
    return price, hint


def tarif20(u):
    fixed = u.row(0)
    fs = share(fixed, 20)
    mobile = u.row(1) + u.row(2) + u.row(3)
    ms = share(mobile, 20)
    price = ((u.cell(0, 0) + u.cell(1, 0)) * D("2.98") + (u.cell(2, 0) + u.cell(3, 0)) * D("1.55")) * fs \
        + (u.row(1) * D("4.16") + u.row(2) * D("5.36") + u.row(3) * D("5.36")) * ms
    price += u.row(5) * D("1.19") + D("297.5")
    price += u.row(6) * D("4.2") + u.sms * D("2.02") + u.mms * D("9.8") + u.wap * D("2.38")
    best, name = gprs_pkg(u)
    price += best + tm_intl(u, "A")
    return price, name


TWIST = {
    "twist_standard": (["7.9"] * 4, ["5.7", "5.7", "3.4", "3.4"], "7.9", "7.9", "3.4", 0),
    "twist_sms": (["7.5"] * 4, ["7.5"] * 4, "7.5", "7.5", "2", 0),
    "twist_extra": (["4.5", "4.5", "3", "3"], ["4.5", "4.5", "3", "3"], "6.5", "6.5", "2", 69),
    "twist_home": (["5.5"] * 4, ["5.5"] * 4, "5.5", "5.5", "3.4", 0),
}


def twist_intl(u, home):
    if not u.net:
        return sum(u.zone(TM, z) * SET["T"][0][z - 1] for z in range(1, 7))
    if home:
        return sum(u.zone(TWIC, z) * SET["T"][1][z - 1] for z in range(1, 4)) + u.zone(TWIC, 7) * D("6.8") + u.zone(TWIC, 8) * D("8.5")
    return sum(u.zone(TMIC, z) * SET["T"][1][z - 1] for z in range(1, 4))


def twist(u, tid):
    fr, tr, et, osk, smsr, add = TWIST[tid]
    p = sum(u.cell(b, 0) * D(fr[b]) + u.cell(b, 1) * D(tr[b]) for b in range(4)) + u.row(2) * D(et) + u.row(3) * D(osk)
    p += u.sms * D(smsr) + u.mms * 10 + u.wap * D("3.2") + u.row(5) * D("2.3") + u.row(6) * D("5.7")
    p += u.gw * D("0.6") + u.gn * D("0.07")
    p += twist_intl(u, tid == "twist_home")
    return p + add, ""


def internet(u, fee):
    p = (u.row(0) + u.row(1) + u.row(2) + u.row(3)) * D("7.14")
    p += u.sms * D("2.02") + u.mms * 10 + u.wap * D("2.38") + u.row(5) * D("2.3") + u.row(6) * D("3.57")
    p += twist_intl(u, False)
    return p + D(fee), ""


# ---------------------------------------------------------------- Eurotel standard
ET_ROWS = [
    ("sms", "214.2", None, "7.97", "5.12", 150, "2.26"),
    ("sms_max", "214.2", None, "6.19", "3.69", 150, "1.19"),
    ("bronz", "214.2", 30, "7.97", "5.12", 0, "2.26"),
    ("bronz_max", "214.2", 30, "6.19", "3.69", 0, "1.19"),
    ("silver", "660.45", 100, "6.66", "4.52", 0, "2.26"),
    ("silver_max", "660.45", 100, "5.24", "3.21", 0, "1.19"),
    ("gold", "1059.1", 200, "5.83", "3.93", 0, "2.26"),
    ("gold_max", "1059.1", 200, "4.76", "2.98", 0, "1.19"),
    ("platinum", "1892.1", 400, "5.36", "3.45", 0, "2.26"),
    ("platinum_max", "1892.1", 400, "4.52", "2.62", 0, "1.19"),
    ("diamant", "3689", 1000, "4.64", "3.21", 0, "2.26"),
    ("diamant_max", "3689", 1000, "4.05", "1.19", 0, "1.19"),
    ("start", "47.6", None, "7.14", "5.36", 0, "1.19"),
    ("pohoda", "178.5", 40, "5.95", "4.17", 100, "1.43"),
]
ET_SUR = [(D("12.58"), D("12.27")), (D("20.56"), D("20.05")), (D("30.48"), D("29.73")), (D("38.09"), D("37.15")),
          (D("50.78"), D("49.53")), (D("76.18"), D("74.3"))]


def et_intl(u, base):
    if u.net:
        return u.zone(ETNC, 1) * D("9.4") + u.zone(ETNC, 2) * D("15.35") + u.zone(ETNC, 3) * D("22.61")
    p = F(0)
    for z in range(1, 7):
        pk, off = ET_SUR[z - 1]
        c = u.z[ET][z]
        p += c[0] * (base + pk) + c[1] * (base + off) + c[2] * (base + off)
    return p


def et_standard(u, row):
    tid, fee, Fm, ro, re, free, smsr = row
    ro, re, fee, smsr = D(ro), D(re), D(fee), D(smsr)
    price = sum(u.cell(b, 0) * ro + u.cell(b, 1) * ro + u.cell(b, 2) * re + u.cell(b, 3) * ro for b in range(4))
    price += u.row(5) * D("2.38")
    T = u.T
    if Fm is None:
        pf = F(1)
        pf2 = share(T, 60)
    else:
        pf = share(T, Fm)
        pf2 = share(T, Fm + 60)
    data, wap, gw, gi = u.row(6), u.wap, u.gw, u.gn
    Dd = [data * D("5.95") + gw * D("0.24") + gi * D("0.238") + wap * D("3.21"),
          data * D("2.38") + gw * D("0.24") + gi * D("0.036") + wap * D("3.21") + D("232.05"),
          data * D("2.38") + gw * D("0.24") + (gi - 20000 if gi > 20000 else 0) * D("0.003") + wap * D("3.21") + D("355.81"),
          data * D("2.38") + D("772.31") + wap * D("3.21") + gw * D("0.7"),
          data * D("2.38") + D(832) + wap * D("3.21") + gw * D("0.7")]
    names = ["Eurotel WAP MMS", "+ příplatek Data", "+ příplatek Data Plus", "+ příplatek DATA Nonstop",
             "+ příplatek DATA Nonstop II"]
    best = min(Dd)  # the engine starts from the first option instead of 999999
    if price * pf + Dd[3] > price * pf2 + Dd[4] and best == Dd[3]:
        best = Dd[4]
    hint = ""
    chosen = None
    frac = None
    for i in range(5):
        if Dd[i] == best:
            hint += names[i] + LB
            chosen = Dd[i]
            frac = pf2 if i == 4 else pf
    price = price * frac + fee + chosen
    S = u.sms_tm + u.sms_et + u.sms_osk
    smscost = (S - free) * smsr if S > free else 0
    price += smscost
    if (S - free) * smsr > D("178.5"):
        price -= smscost
        price += D("178.5") + ((S - (free + 200)) * smsr if S > free + 200 else 0)
        hint += "+ příplatek Top SMS" + LB
    price += u.mms * D("9.28")
    price += et_intl(u, ro)
    return price, hint


# ---------------------------------------------------------------- Individual (brute force over every configuration)
IND_MIN = [(0, 0), (50, 190), (100, 350), (200, 650), (400, 1200), (800, 2200)]
IND_SMS = [(0, 0), (50, 80), (100, 150), (250, 350), (500, 650)]
IND_MMS = [(0, 0), (10, 80), (25, 180)]
IND_GW = [(0, 0), (1000, 150), (5000, 600)]
IND_CSD = [(0, 0), (60, 130), (180, 350)]
IND_GI = [(0, 0), (10000, 200), (50000, 700)]


def individual(u):
    calls = (u.row(0) + u.row(1) + u.row(3)) * D("6.5") + u.row(2) * D("4.5") + u.row(5) * D("2.38")
    base = D(150) + u.wap * D("3.21") + et_intl(u, D("6.5"))

    def beyond(q, free, rate):
        return (q - free) * rate if q > free else 0

    data_opts = []
    for gw in IND_GW:
        for csd in IND_CSD:
            for gi in IND_GI:
                c = gw[1] + csd[1] + gi[1] + beyond(u.gw, gw[0], D("0.24")) + beyond(u.row(6), csd[0], D("5.95")) + beyond(u.gn, gi[0], D("0.238"))
                data_opts.append((c, (gw[0], csd[0], gi[0], False)))
    data_opts.append((D(832), (0, 0, 0, True)))
    best, cfg = F(999999), None
    for fm in IND_MIN:
        # No free minutes: every minute is paid, whatever the total.
        cm = calls * (share(u.T, fm[0]) if fm[0] else 1) + fm[1]
        for fs in IND_SMS:
            cs = fs[1] + beyond(u.sms, fs[0], D("2.26"))
            for fmm in IND_MMS:
                cmm = fmm[1] + beyond(u.mms, fmm[0], D("9.28"))
                for cd, dcfg in data_opts:
                    total = base + cm + cs + cmm + cd
                    if total < best:
                        best, cfg = total, (fm[0], fs[0], fmm[0]) + dcfg
    lines = ["Optimální konfigurace tarifu Individual je tato:", "-" * 56]
    if cfg is None:
        # Nothing below the search's start value: the price stays 999999 and the
        # hint shows the base configuration.
        cfg = (0, 0, 0, 0, 0, 0, False)
    lines += ["počet volných minut na volání: %d" % cfg[0], "počet volných SMS: %d" % cfg[1], "počet volných MMS: %d" % cfg[2],
              "počet volných kB na WAP (GPRS): %d" % cfg[3], "počet volných minut na internet (CSD): %d" % cfg[4],
              "počet volných kB na internet (GPRS): %d" % cfg[5]]
    if cfg[6]:
        lines.append("Příplatek Data NONSTOP")
    return best, LB.join(lines)


# ---------------------------------------------------------------- SMS/Data, GO, Tip
def smsdata(u):
    p = sum(u.cell(b, r) * (D("18.3") if b < 2 else D("6.1")) for b in range(4) for r in range(4))
    p += u.row(5) * D("2.44") + 205
    p += (u.cell(0, 6) + u.cell(1, 6)) * D("2.1") + (u.cell(2, 6) + u.cell(3, 6)) * D("2.44")
    S = u.sms
    if S != 0:
        e = F(u.sms_et, S)
        o = F(u.sms_tm + u.sms_osk, S)
        if 1 <= S <= 40:
            p += S * D("1.83")
        elif 41 <= S <= 800:
            p += D("63.6") + (S - 40) * e * D("1.34") + (S - 40) * o * D("1.83")
        elif 801 <= S <= 8000:
            p += D("63.6") + e * 760 * D("1.34") + o * 760 * D("1.83") + (S - 800) * e * D("1.1") + (S - 800) * o * D("1.83")
        elif S >= 8001:
            p += D("63.6") + e * 760 * D("1.34") + o * 760 * D("1.83") + e * 7200 * D("1.1") + o * 7200 * D("1.83") + \
                (S - 8000) * e * D("0.92") + (S - 8000) * o * D("1.83")
    p += u.wap * D("3.29") + u.mms * D("9.5")
    p += u.gw * D("0.49") + u.gn * D("0.037")
    sur = [D("12.58"), D("20.56"), D("30.48"), D("38.09"), D("50.78"), D("76.18")]
    if u.net:
        p += u.zone(ETNC, 1) * D("9.64") + u.zone(ETNC, 2) * D("15.74") + u.zone(ETNC, 3) * D("23.18")
    else:
        for z in range(1, 7):
            c = u.z[ET][z]
            p += c[0] * (D("18.3") + sur[z - 1]) + c[1] * (D("6.1") + sur[z - 1]) + c[2] * (D("6.1") + sur[z - 1])
    return p, ""


GO = {
    "originalgo": ([("7.5", "7.5")] * 4, "3.7", "2.8"),
    "quatrogo": ([("11.1", "3.0"), ("11.1", "9.0"), ("7.8", "3.0"), ("11.1", "9.0")], "3.7", "3.0"),
    "fungo": ([("7.5", "7.5")] * 4, "2.0", "2.8"),
}


def go(u, tid):
    rates, smsr, vmr = GO[tid]
    p = sum(u.cell(b, r) * D(rates[r][0] if b == 0 else rates[r][1]) for b in range(4) for r in range(4))
    p += u.sms * D(smsr) + u.mms * D("9.5") + u.wap * D("2.95") + u.row(5) * D(vmr) + u.row(6) * D("6.4")
    p += u.gw * D("0.25") + u.gn * D("0.06")
    if not u.net:
        p += u.zone(ETGO, 1) * D("18.2") + u.zone(ETGO, 2) * D("29.6") + u.zone(ETGO, 3) * D(59)
    else:
        p += u.zone(ETNC, 1) * D("9.4") + u.zone(ETNC, 2) * D("15.4") + u.zone(ETNC, 3) * D("22.6")
    return p, ""


TIP = {"tipbusiness": ("470.05", 80, "5.0", "1.19"), "tiprelax": (None, None, "6.43", "3.57"), "tipakord": ("172.55", 20, "5.36", "5.36")}


def tip(u, tid):
    fee, Fm, pk, off = TIP[tid]
    pk, off = D(pk), D(off)
    p = sum(u.cell(0, r) * pk + u.cell(1, r) * pk + u.cell(2, r) * off + u.cell(3, r) * off for r in range(4))
    if fee is not None:
        p = p * share(u.T, Fm) + D(fee)
    p += u.sms * D("2.02")
    sur = [D("12.58"), D("20.56"), D("30.48"), D("38.09"), D("50.78"), D("76.18")]
    if u.net:
        p += u.zone(ETNC, 1) * D("9.64") + u.zone(ETNC, 2) * D("15.74") + u.zone(ETNC, 3) * D("23.18")
    else:
        for z in range(1, 7):
            c = u.z[ET][z]
            p += c[0] * (pk + sur[z - 1]) + (c[1] + c[2]) * (off + sur[z - 1])
    return p, ""


# ---------------------------------------------------------------- Oskar
def nadlouho(v):
    if v <= 10000:
        return D(238)
    if v <= 40000:
        return D(476)
    if v <= 70000:
        return D(714)
    return D(952)


def o1(u):
    nas = u.gw * D("0.48") + u.gn * D("0.06")
    nad = nadlouho(u.gw + u.gn)
    return (nas, "Připojení Naskok") if nas < nad else (nad, "Připojení Nadlouho")


def o2(u):
    return sum(u.zone(OS, z) * D("11.31") for z in (1, 2, 4, 5, 6, 7)) + u.zone(OS, 8) * D("8.33")


NAPLNO = {"naplno50": (50, "5.36", "297.5"), "naplno150": (150, "4.76", "714"), "naplno300": (300, "4.17", "1190"),
          "naplno500": (500, "3.96", "1904"), "naplnorozjezd": (0, "5.95", "59.5")}


def naplno(u, tid):
    N, r, fee = NAPLNO[tid]
    r, fee = D(r), D(fee)
    T = u.T
    if N == 0:
        sh = F(1)
        shp = F(T - 20, T) if T >= 20 else F(0)
    else:
        sh = share(T, N)
        shp = F(T - N - 20, T) if T >= N + 20 else F(0)
    calls = u.row(0) + u.row(1) + u.row(2) + u.row(3)
    cost = calls * r
    hint = ""
    if cost * sh < cost * shp + D("95.2"):
        price = cost * sh + fee
    else:
        price = cost * shp + D("95.2") + fee
        hint = "+ příplatek Moje volné minuty" + LB
    price += u.row(6) * D("5.95")
    s = u.sms
    if u.dd:
        without = (s - 20) * D("1.19") if s >= 21 else F(0)
        withc = D("95.2") if s <= 120 else D("95.2") + (s - 120) * D("1.19")
    else:
        without = s * D("1.19")
        withc = D("95.2") if s <= 100 else D("95.2") + (s - 100) * D("1.19")
    if without >= withc:
        price += withc
        hint += "+ příplatek Moje SMS" + LB
    else:
        price += without
    k = u.mms if u.mms < 10 else 10
    w = (u.mms - k) * D("11.31") + D("107.1")
    wo = u.mms * D("11.31")
    if w <= wo:
        price += w
        hint += "+ příplatek Moje MMS" + LB
    else:
        price += wo
    k = u.wap if u.wap < 40 else 40
    w = (u.wap - k) * D("1.79") + D("53.55")
    wo = u.wap * D("1.79")
    if w <= wo:
        price += w
        hint += "+ příplatek Můj WAP" + LB
    else:
        price += wo
    c, name = o1(u)
    price += c
    hint += name + LB
    price += o2(u)
    return price, hint


M_ROWS = {"mezinami": (300, "5.95", "3.57", "3.57", "1.79", "1.79", "0.6", "654.5"),
          "odepis": (40, "11.9", "7.14", "11.9", "1.79", "1.83", "0.42", "11.9")}
M_ZONES = {
    "mezinami": {1: ("11.31", "11.31"), 2: ("11.31", "11.31"), 4: ("8.33", "7.14"), 5: ("8.33", "7.14"), 6: ("6.54", "4.16"),
                 7: ("11.31", "11.31"), 8: ("8.33", "8.33")},
    "odepis": {1: ("11.31", "11.31"), 2: ("11.31", "11.31"), 4: ("10.59", "4.17"), 5: ("11.31", "11.31"),
               6: ("11.31", "11.31"), 7: ("11.31", "11.31"), 8: ("8.33", "8.33")},
}


def rule_m(u, tid):
    A, r, rosk, data, rtm, ret, rosms, fee = M_ROWS[tid]
    osk = u.row(3)
    paid = osk - A if osk >= A else 0
    p = (u.row(0) + u.row(1) + u.row(2)) * D(r) + paid * D(rosk)
    p += u.row(6) * D(data) + u.sms_tm * D(rtm) + u.sms_et * D(ret) + u.sms_osk * D(rosms) + u.mms * D("11.31") + u.wap * D("1.79")
    c, name = o1(u)
    p += c
    for z, (day, eve) in M_ZONES[tid].items():
        cc = u.z[OS][z]
        p += (cc[0] + cc[1]) * D(day) + cc[2] * D(eve)
    return p + D(fee), name


def oskarta(u):
    osk = u.row(3)
    p = (u.row(0) + u.row(1) + u.row(2)) * D("7.14") + osk * D("2.38") + (u.sms_tm + u.sms_et) * D("2.44") + \
        u.sms_osk * D("1.19") + u.mms * D("11.31") + u.row(6) * D("7.14") + u.wap * D("1.79")
    p += u.gw * D("0.6") + u.gn * D("0.068")
    p += o2(u)
    if p < 700:
        p += (osk + u.sms_osk) * D("1.19")
    return p, ""


J_ROWS = {"najistotu": ("4.76", 35, 40, "4.76", "3.57", "2.38", "119"), "nazisk": ("3.57", 125, 125, "3.57", "2.38", "1.19", "297.5")}


def rule_j(u, tid):
    r, t1, t2, r1, r2, r3, fee = J_ROWS[tid]
    r, r1, r2, r3 = D(r), D(r1), D(r2), D(r3)
    p = (u.row(0) + u.row(1) + u.row(2)) * r
    o = u.row(3)
    if o <= t1:
        p += o * r1
    elif o <= t1 + t2:
        p += t1 * r1 + (o - t1) * r2
    else:
        p += t1 * r1 + t2 * r2 + (o - t1 - t2) * r3
    p += u.sms * D("1.19") + u.mms * D("11.31") + u.row(6) * r + u.wap * D("1.79")
    c, name = o1(u)
    p += c + o2(u)
    return p + D(fee), name


def telecom(u):
    p = u.cell(0, 0) * D("1.57") + (u.cell(1, 0) + u.cell(2, 0) + u.cell(3, 0)) * D("0.79")
    p += (u.row(1) + u.row(2) + u.row(3)) * D("6.5")
    p += u.cell(0, 6) * D("1.58") + (u.cell(1, 6) + u.cell(2, 6) + u.cell(3, 6)) * D("0.9")
    c1, c2 = u.z[FIX][1], u.z[FIX][2]
    p += (c1[0] + c1[1]) * D("9.06") + c1[2] * D("7.82") + (c2[0] + c2[1]) * D("10.31") + c2[2] * D("9.06")
    return p + 329, ""


ORDER = ["t30", "t80", "t250", "t600", "hit30", "hit80", "hit250", "hit600", "tarif20p20", "twist_standard", "twist_sms",
         "twist_extra", "twist_home", "student", "internet", "internethit"] + [r[0] for r in ET_ROWS] + \
        ["individual_wapmi", "smsdata", "originalgo", "quatrogo", "fungo", "tipbusiness", "tiprelax", "tipakord",
         "naplno50", "naplno150", "naplno300", "naplno500", "naplnorozjezd", "mezinami", "odepis", "oskarta", "najistotu",
         "nazisk", "telecom"]


def trunc32(x):
    n = int(x)  # int() of a Fraction truncates toward zero
    return max(-2 ** 31, min(2 ** 31 - 1, n))


def price_all(prof):
    u = U(prof)
    out = {}
    for tid in ORDER:
        if tid in A_ROWS:
            p, h = rule_a(u, tid)
        elif tid == "tarif20p20":
            p, h = tarif20(u)
        elif tid in TWIST:
            p, h = twist(u, tid)
        elif tid == "internet":
            p, h = internet(u, "831.8")
        elif tid == "internethit":
            p, h = internet(u, "772")
        elif tid == "individual_wapmi":
            p, h = individual(u)
        elif tid == "smsdata":
            p, h = smsdata(u)
        elif tid in GO:
            p, h = go(u, tid)
        elif tid in TIP:
            p, h = tip(u, tid)
        elif tid in NAPLNO:
            p, h = naplno(u, tid)
        elif tid in M_ROWS:
            p, h = rule_m(u, tid)
        elif tid == "oskarta":
            p, h = oskarta(u)
        elif tid in J_ROWS:
            p, h = rule_j(u, tid)
        elif tid == "telecom":
            p, h = telecom(u)
        else:
            et = [r for r in ET_ROWS if r[0] == tid][0]
            p, h = et_standard(u, et)
        out[tid] = [trunc32(p), h]
    # unsupported marks
    tips = ["tiprelax", "tipbusiness", "tipakord"]
    uns = set()
    tel_uns = False

    def pre(ids, text):
        for i in ids:
            out[i][1] = text + LB + (out[i][1] or "")
    if any(u.cell(b, 6) > 0 for b in range(4)):
        uns.update(tips)
        pre(tips, "nepodporuje datové přenosy")
    if any(x > 0 for x in u.wapb):
        uns.update(tips)
        tel_uns = True
        pre(tips + ["telecom"], "nepodporuje WAP")
    if u.mms > 0:
        uns.update(tips)
        tel_uns = True
        pre(tips + ["telecom"], "nepodporuje MMS")
    if u.gw > 0 or u.gn > 0:
        uns.update(tips)
        tel_uns = True
        pre(tips + ["telecom"], "nepodporuje GPRS")
    if u.net:
        tel_uns = True
    if tel_uns:
        uns.add("telecom")
    walk = ["t30", "t80", "t250", "t600", "twist_sms", "twist_standard", "twist_extra", "hit30", "hit80", "hit250", "hit600",
            "tarif20p20", "student", "twist_home", "internet", "internethit", "sms", "bronz", "silver", "gold", "platinum",
            "diamant", "sms_max", "bronz_max", "silver_max", "gold_max", "platinum_max", "diamant_max", "start", "quatrogo",
            "fungo", "originalgo", "individual_wapmi", "pohoda", "naplno50", "naplno150", "naplno300", "naplno500",
            "naplnorozjezd", "odepis", "mezinami", "oskarta", "nazisk", "najistotu"]
    mn = 999999
    for i in walk:
        if i not in uns and out[i][0] < mn:
            mn = out[i][0]
    # A price of 999999 or more is never marked, also when nothing is below it.
    cheapest = [i for i in walk if i not in uns and out[i][0] == mn < 999999]
    return {"results": {i: {"price": out[i][0], "hint": out[i][1] or "", "unsupported": i in uns, "cheapest": i in cheapest}
                        for i in ORDER}}


def main():
    for line in sys.stdin:
        line = line.strip()
        if line:
            print(json.dumps(price_all(json.loads(line)), ensure_ascii=False))


if __name__ == "__main__":
    main()
