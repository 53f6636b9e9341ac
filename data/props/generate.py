#!/usr/bin/python3
"""Writes substances.json, the readable source of the shipped property library.

Water, steam, air and ammonia are computed here:
  water and steam  IAPWS-IF97 (with the IAPWS viscosity, conductivity and
                   surface-tension formulations) through python3-iapws;
  air              Lemmon et al. (2000) equation of state with the
                   Lemmon-Jacobsen (2004) transport properties (iapws.humidAir.Air);
  ammonia          Tillner-Roth et al. (1993) with its transport formulations
                   (iapws.ammonia.NH3).
Every other substance is typed in below from the reference named in its note.
Texts follow the library grammar: "t,y;t,y;..." tables over t in degC,
formulas of t and p (T, P, R are rewritten to K, Pa and 8.314), or
equation-of-state texts "PRV:Pc,Tc,Vc,Zc,w,M" (kPa, K, cm3/mol, -, -, g/mol).
All values are SI: J/(kg.K), kg/m3, Pa.s, W/(m.K), N/m, J/kg.

Run:  /usr/bin/python3 data/props/generate.py
Then: tharvex-cli proplib-build data/props/substances.json data/PropLib.cds
"""
import json
import math
import os

from iapws import IAPWS97
from iapws.ammonia import NH3
from iapws.humidAir import Air

HERE = os.path.dirname(os.path.abspath(__file__))
LIMITS = {"NO": 6, "CN": 20, "EN": 20, "CP": 300, "MD": 300, "VI": 300, "TC": 300, "ST": 300, "HV": 300,
          "NT": 100}


def num(v, digits=5):
    """Shortest text with `digits` significant digits; exponent as E."""
    s = f"{v:.{digits}g}"
    if "e" in s:
        mant, exp = s.split("e")
        s = f"{mant}E{int(exp)}"
    return s


def table(points, digits=5):
    return ";".join(f"{num(t, 6)},{num(y, digits)}" for t, y in points)


def from_kelvin(rows, col, scale):
    """Rows (T in K, values...) -> points (t in degC, value*scale)."""
    return [(round(r[0] - 273.15, 2), r[col] * scale) for r in rows]


records = []


def add(cn, en, note, **props):
    rec = {"NO": f"{len(records) + 1:04d}", "CN": cn, "EN": en, "NT": note}
    rec.update(props)
    for k, v in rec.items():
        n = len(v)
        if n > LIMITS[k]:
            raise SystemExit(f"{en}: {k} has {n} characters, more than {LIMITS[k]}: {v}")
    records.append(rec)


# --- computed: water, steam, air, ammonia ---------------------------------

def water_liquid(t):
    # Below 100 degC at atmospheric pressure, above on the saturation line.
    if t < 100:
        return IAPWS97(T=t + 273.15, P=0.101325)
    return IAPWS97(T=t + 273.15, x=0)


W_T = list(range(0, 201, 10))
wl = [(t, water_liquid(t)) for t in W_T]
wv = {t: IAPWS97(T=t + 273.15, x=1) for t in W_T if t > 0}
add("水(液)", "Water", "0~200℃液态水(100℃以上为饱和液)，IAPWS-IF97及IAPWS粘度、导热、表面张力公式",
    CP=table([(t, s.cp * 1000) for t, s in wl]),
    MD=table([(t, s.rho) for t, s in wl]),
    VI=table([(t, s.mu) for t, s in wl], 4),
    TC=table([(t, s.k) for t, s in wl], 4),
    ST=table([(t, IAPWS97(T=max(t, 0.01) + 273.15, x=0).sigma) for t in W_T], 4),
    HV=table([(t, (IAPWS97(T=max(t, 0.01) + 273.15, x=1).h - IAPWS97(T=max(t, 0.01) + 273.15, x=0).h) * 1000)
              for t in W_T], 5))

S_T = list(range(20, 261, 20)) + [30, 50]
S_T = sorted(set(list(range(20, 261, 10))))
steam = [(t, IAPWS97(T=t + 273.15, x=1)) for t in S_T]
add("饱和水蒸气", "Saturated steam", "20~260℃饱和蒸汽(压力由温度决定)，IAPWS-IF97及IAPWS粘度、导热公式",
    CP=table([(t, s.cp * 1000) for t, s in steam], 4),
    MD=table([(t, s.rho) for t, s in steam], 4),
    VI=table([(t, s.mu) for t, s in steam[::2]], 4),
    TC=table([(t, s.k) for t, s in steam[::2]], 4),
    HV=table([(t, (s.h - IAPWS97(T=t + 273.15, x=0).h) * 1000) for t, s in steam[::2]], 5))

A_T = [-50, -25, 0, 25, 50, 100, 150, 200, 250, 300, 350, 400]
air = [(t, Air(T=t + 273.15, P=0.101325)) for t in A_T]
add("空气", "Air", "-50~400℃, Lemmon(2000)状态方程及Lemmon-Jacobsen(2004)输运性质；密度按理想气体随p",
    CP=table([(t, a.cp * 1000) for t, a in air], 5),
    MD="P*0.0289586/(R*T)",
    VI=table([(t, a.mu) for t, a in air], 4),
    TC=table([(t, a.k) for t, a in air], 4))

N_T = [-40, -30, -20, -10, 0, 10, 20, 30, 40, 50, 60]
nl = [(t, NH3(T=t + 273.15, x=0)) for t in N_T]
nv = [(t, NH3(T=t + 273.15, x=1)) for t in N_T]
add("氨(液)", "Ammonia liquid", "-40~60℃饱和液，Tillner-Roth(1993)状态方程及其输运性质公式",
    CP=table([(t, s.cp * 1000) for t, s in nl], 5),
    MD=table([(t, s.rho) for t, s in nl], 5),
    VI=table([(t, s.mu) for t, s in nl], 4),
    TC=table([(t, s.k) for t, s in nl], 4),
    ST=table([(t, s.sigma) for t, s in nl], 4),
    HV=table([(t, (v.h - l.h) * 1000) for (t, l), (_, v) in zip(nl, nv)], 5))
add("氨蒸气", "Ammonia vapour", "-40~60℃饱和蒸气(压力由温度决定)，Tillner-Roth(1993)状态方程及其输运性质",
    CP=table([(t, s.cp * 1000) for t, s in nv], 4),
    MD=table([(t, s.rho) for t, s in nv], 4),
    VI=table([(t, s.mu) for t, s in nv], 4),
    TC=table([(t, s.k) for t, s in nv], 4),
    HV=table([(t, (v.h - l.h) * 1000) for (t, l), (_, v) in zip(nl, nv)], 5))

# --- gases at atmospheric pressure -----------------------------------------
# Incropera, DeWitt, Bergman, Lavine, Fundamentals of Heat and Mass Transfer,
# 6th ed., Table A.4: T (K), cp (kJ/(kg.K)), mu (1E-7 N.s/m2), k (1E-3 W/(m.K)).
# Density from the virial or Peng-Robinson texts with the critical constants
# of Poling, Prausnitz, O'Connell, The Properties of Gases and Liquids, 5th ed.

def gas(cn, en, note, rows, md):
    add(cn, en, note,
        CP=table(from_kelvin(rows, 1, 1000), 4),
        MD=md,
        VI=table(from_kelvin(rows, 2, 1e-7), 4),
        TC=table(from_kelvin(rows, 3, 1e-3), 4))


gas("氮气", "Nitrogen", "-73~427℃常压，Incropera表A.4；密度按维里方程(临界参数取自Poling)",
    [(200, 1.043, 129.2, 18.3), (250, 1.042, 154.9, 22.2), (300, 1.041, 178.2, 25.9), (350, 1.042, 200.0, 29.3),
     (400, 1.045, 220.4, 32.7), (450, 1.050, 239.6, 35.8), (500, 1.056, 257.7, 38.9), (600, 1.075, 290.8, 44.6),
     (700, 1.098, 321.0, 49.9)],
    "VRV:3395.8,126.19,89.2,0.289,0.0372,28.013")
gas("氧气", "Oxygen", "-73~427℃常压，Incropera表A.4；密度按维里方程(临界参数取自Poling)",
    [(200, 0.913, 147.5, 18.4), (250, 0.915, 178.6, 22.6), (300, 0.920, 207.2, 26.8), (350, 0.929, 233.5, 29.6),
     (400, 0.942, 258.2, 33.0), (450, 0.956, 281.4, 36.3), (500, 0.972, 303.3, 41.2), (600, 1.003, 343.7, 47.3),
     (700, 1.031, 380.8, 52.8)],
    "VRV:5043,154.58,73.4,0.288,0.022,31.999")
gas("二氧化碳", "Carbon dioxide", "7~327℃常压，Incropera表A.4；密度按PR方程(临界参数取自Poling)",
    [(280, 0.830, 140, 15.20), (300, 0.851, 149, 16.55), (350, 0.900, 172, 20.40), (400, 0.942, 193, 24.30),
     (450, 0.980, 213, 28.00), (500, 1.013, 233, 32.50), (550, 1.047, 251, 36.60), (600, 1.076, 270, 40.70)],
    "PRV:7377.3,304.13,94.07,0.274,0.2239,44.01")
gas("氢气", "Hydrogen", "-73~427℃常压，Incropera表A.4；密度按维里方程(临界参数取自Poling)",
    [(200, 13.540, 68.1, 131), (250, 14.059, 78.9, 157), (300, 14.314, 89.6, 183), (350, 14.436, 98.8, 204),
     (400, 14.491, 108.2, 226), (450, 14.499, 117.2, 247), (500, 14.507, 126.4, 266), (600, 14.537, 142.4, 305),
     (700, 14.574, 157.8, 342)],
    "VRV:1296.4,33.145,64.1,0.303,-0.219,2.016")

# Methane, argon, propane at atmospheric pressure: cp from the JANAF tables
# (ideal gas), viscosity and conductivity from the NIST Chemistry WebBook.
gas("甲烷", "Methane", "-73~327℃常压，cp取JANAF表，粘度导热取NIST WebBook；密度按PR方程",
    [(200, 2.073, 77.0, 22.0), (250, 2.133, 95.0, 27.6), (300, 2.226, 112.0, 34.2), (350, 2.361, 128.0, 41.3),
     (400, 2.525, 143.0, 49.0), (500, 2.889, 171.0, 66.5), (600, 3.255, 197.0, 84.0)],
    "PRV:4599.2,190.56,98.6,0.286,0.0114,16.043")
gas("氩气", "Argon", "-73~327℃常压，单原子理想气体cp，粘度导热取NIST WebBook；密度按PR方程",
    [(200, 0.5203, 159.0, 12.4), (250, 0.5203, 195.0, 15.2), (300, 0.5203, 227.0, 17.8), (350, 0.5203, 258.0, 20.2),
     (400, 0.5203, 286.0, 22.4), (500, 0.5203, 338.0, 26.5), (600, 0.5203, 386.0, 30.2)],
    "PRV:4863,150.69,74.6,0.291,-0.002,39.948")
gas("丙烷(气)", "Propane gas", "27~327℃常压，cp取JANAF表，粘度导热取NIST WebBook；密度按PR方程",
    [(300, 1.676, 82.0, 18.3), (350, 1.910, 95.5, 23.4), (400, 2.132, 108.0, 29.0), (500, 2.553, 133.0, 41.0),
     (600, 2.918, 156.0, 54.0)],
    "PRV:4251.2,369.89,200,0.276,0.1521,44.097")

# Flue gas of 13 % CO2, 11 % H2O, 76 % N2 by volume at 101.325 kPa:
# Yang Shiming, Tao Wenquan, Heat Transfer (4th ed.), appendix table of flue
# gas properties: t (degC), rho, cp (kJ/(kg.K)), k (1E-2 W/(m.K)), mu (1E-6 Pa.s).
FLUE = [(0, 1.295, 1.042, 2.28, 15.8), (100, 0.950, 1.068, 3.13, 20.4), (200, 0.748, 1.097, 4.01, 24.5),
        (300, 0.617, 1.122, 4.84, 28.2), (400, 0.525, 1.151, 5.70, 31.7), (500, 0.457, 1.185, 6.56, 34.8),
        (600, 0.405, 1.214, 7.42, 37.9), (700, 0.363, 1.239, 8.27, 40.7), (800, 0.330, 1.264, 9.15, 43.4),
        (900, 0.301, 1.290, 10.00, 45.9), (1000, 0.275, 1.306, 10.90, 48.4), (1100, 0.257, 1.323, 11.75, 50.7),
        (1200, 0.240, 1.340, 12.62, 53.0)]
add("烟气", "Flue gas", "0~1200℃，CO2 13%、H2O 11%、N2 76%(体积)，杨世铭、陶文铨《传热学》附录；密度随p、T换算",
    CP=table([(r[0], r[2] * 1000) for r in FLUE], 4),
    MD="1.295*273.15/T*p/101.325",
    VI=table([(r[0], r[4] * 1e-6) for r in FLUE], 3),
    TC=table([(r[0], r[3] * 1e-2) for r in FLUE], 4))

# Superheated steam at atmospheric pressure, IAPWS-IF97.
SH_T = [100, 125, 150, 200, 250, 300, 350, 400, 450, 500]
sh = [(t, IAPWS97(T=t + 273.15, P=0.101325)) for t in SH_T]
add("过热水蒸气(常压)", "Steam 0.1MPa", "100~500℃、101.325kPa过热蒸汽，IAPWS-IF97及IAPWS粘度、导热公式",
    CP=table([(t, s.cp * 1000) for t, s in sh], 4),
    MD=table([(t, s.rho) for t, s in sh], 4),
    VI=table([(t, s.mu) for t, s in sh], 4),
    TC=table([(t, s.k) for t, s in sh], 4))

# --- refrigerants, saturated ------------------------------------------------
# ASHRAE Handbook - Fundamentals (2009), ch. 30, refrigerant property tables:
# t (degC), rho_l, rho_v (kg/m3), h_fg (kJ/kg), cp_l, cp_v (kJ/(kg.K)),
# mu_l, mu_v (uPa.s), k_l, k_v (mW/(m.K)), sigma (mN/m).
R134A = [(-40, 1414.8, 2.77, 225.9, 1.255, 0.748, 498.0, 9.0, 111.1, 8.2, 17.4),
         (-20, 1358.3, 6.78, 212.9, 1.293, 0.809, 357.0, 9.9, 101.2, 9.6, 14.8),
         (0, 1294.8, 14.43, 198.6, 1.341, 0.897, 266.0, 10.7, 92.0, 11.5, 11.6),
         (20, 1225.3, 27.78, 182.3, 1.405, 1.001, 207.0, 11.5, 83.2, 13.4, 8.7),
         (40, 1146.7, 50.09, 163.0, 1.498, 1.145, 162.0, 12.4, 74.7, 15.4, 6.1),
         (60, 1052.9, 87.38, 139.1, 1.660, 1.414, 125.0, 13.7, 66.1, 18.3, 3.6)]
R22 = [(-40, 1407.1, 4.90, 233.0, 1.097, 0.612, 330.0, 10.0, 113.0, 7.6, 17.3),
       (-20, 1347.5, 10.85, 220.1, 1.124, 0.663, 270.0, 10.7, 104.0, 8.4, 14.3),
       (0, 1281.8, 21.23, 204.9, 1.171, 0.737, 217.0, 11.4, 95.0, 9.4, 11.6),
       (20, 1210.0, 38.48, 187.2, 1.238, 0.835, 177.0, 12.2, 86.0, 10.6, 8.9),
       (40, 1128.4, 66.00, 166.0, 1.337, 0.980, 143.0, 13.2, 77.0, 12.3, 6.3),
       (60, 1034.3, 111.1, 139.8, 1.513, 1.230, 114.0, 14.6, 69.0, 14.7, 3.9)]


def refrigerant(name, en, rows):
    note = "-40~60℃饱和状态(压力由温度决定)，ASHRAE Handbook Fundamentals(2009)第30章制冷剂物性表"
    hv = table([(r[0], r[3] * 1000) for r in rows], 4)
    add(name + "(液)", en + " liquid", note,
        CP=table([(r[0], r[4] * 1000) for r in rows], 4),
        MD=table([(r[0], r[1]) for r in rows], 5),
        VI=table([(r[0], r[6] * 1e-6) for r in rows], 3),
        TC=table([(r[0], r[8] * 1e-3) for r in rows], 4),
        ST=table([(r[0], r[10] * 1e-3) for r in rows], 3),
        HV=hv)
    add(name + "蒸气", en + " vapour", note,
        CP=table([(r[0], r[5] * 1000) for r in rows], 4),
        MD=table([(r[0], r[2]) for r in rows], 4),
        VI=table([(r[0], r[7] * 1e-6) for r in rows], 3),
        TC=table([(r[0], r[9] * 1e-3) for r in rows], 3),
        HV=hv)


refrigerant("R134a", "R134a", R134A)
refrigerant("R22", "R22", R22)

# R410A vapour at a given pressure: Peng-Robinson texts with the pseudo-
# ("+0*t" keeps a variable in the heat-capacity formula: a formula without
# one would blank the grid for the properties after it.)
# critical constants of the blend (Lemmon, 2003: Tc 344.49 K, Pc 4901.2 kPa,
# rho_c 459.53 kg/m3, M 72.585, w 0.296); enter the pressure in the grid.
# The conductivity of the same analogy is several times too high for this
# vapour, so the record leaves it empty.
add("R410A蒸气", "R410A vapour", "按给定p、t用PR方程估算(拟临界参数取自Lemmon 2003)，粘度为PR类比法估值，无导热数据",
    CP="830+PRRCP+0*t PARAMS: 4901.2,344.49,157.96,0.2703,0.296,72.585",
    MD="PRV:4901.2,344.49,157.96,0.2703,0.296,72.585",
    VI="PRU:4901.2,344.49,157.96,0.2703,0.296,72.585")

# --- organic liquids -------------------------------------------------------
# Ethanol and methanol, saturated liquid: Perry's Chemical Engineers'
# Handbook (8th ed.), section 2, and the CRC Handbook of Chemistry and
# Physics; heat of vaporisation from the value at 25 degC with Watson's
# rule (exponent 0.38).
add("乙醇(液)", "Ethanol", "0~78℃，Perry化工手册第2篇、CRC手册；汽化热按25℃值用Watson式外推",
    CP=table([(0, 2300), (20, 2440), (40, 2600), (60, 2790), (78, 2980)], 4),
    MD=table([(0, 806.3), (20, 789.4), (40, 772.0), (60, 754.1), (78, 737.0)], 4),
    VI=table([(0, 1.773e-3), (20, 1.200e-3), (40, 0.826e-3), (60, 0.592e-3), (78, 0.453e-3)], 4),
    TC=table([(0, 0.175), (20, 0.169), (40, 0.163), (60, 0.157), (78, 0.152)], 4),
    ST=table([(0, 0.02405), (20, 0.02239), (40, 0.02072), (60, 0.01901), (78, 0.01751)], 4),
    HV="918600*((1-T/513.9)/0.41983)^0.38")
add("甲醇(液)", "Methanol", "0~64℃，Perry化工手册第2篇、CRC手册；汽化热按25℃值用Watson式外推",
    CP=table([(0, 2430), (20, 2510), (40, 2600), (60, 2690)], 4),
    MD=table([(0, 809.7), (20, 791.3), (40, 772.6), (60, 753.3)], 4),
    VI=table([(0, 0.808e-3), (20, 0.587e-3), (40, 0.446e-3), (60, 0.349e-3)], 4),
    TC=table([(0, 0.207), (20, 0.202), (40, 0.197), (60, 0.192)], 4),
    ST=table([(0, 0.02449), (20, 0.02261), (40, 0.02078), (60, 0.01893)], 4),
    HV="1168200*((1-T/512.6)/0.41836)^0.38")


def vogel(rows):
    """Fits ln(mu) = A + B/(T - C) to (T in K, mu in Pa.s) by least squares."""
    best = None
    for c10 in range(0, 2500):
        C = c10 / 10.0
        if C >= min(r[0] for r in rows) - 5:
            break
        xs = [1.0 / (r[0] - C) for r in rows]
        ys = [math.log(r[1]) for r in rows]
        n = len(xs)
        mx, my = sum(xs) / n, sum(ys) / n
        B = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sum((x - mx) ** 2 for x in xs)
        A = my - B * mx
        err = max(abs(math.exp(A + B * x) / math.exp(y) - 1) for x, y in zip(xs, ys))
        if best is None or err < best[0]:
            best = (err, A, B, C)
    err, A, B, C = best
    print(f"  viscosity fit: max deviation {err * 100:.1f} %")
    if err > 0.08:
        raise SystemExit(f"viscosity fit error {err:.3f}")
    return f"exp({A:.5f}+{B:.2f}/(T-{C:.1f}))"


# Ethylene glycol, saturated liquid: Incropera Table A.5: T (K), rho, cp
# (kJ/(kg.K)), mu (1E-2 N.s/m2), k (1E-3 W/(m.K)).
EG = [(273, 1130.8, 2.294, 6.51, 242), (280, 1125.8, 2.323, 4.20, 244), (290, 1118.8, 2.368, 2.47, 248),
      (300, 1114.4, 2.415, 1.57, 252), (310, 1103.7, 2.460, 1.07, 255), (320, 1096.2, 2.505, 0.757, 258),
      (330, 1089.5, 2.549, 0.561, 260), (340, 1083.8, 2.592, 0.431, 261), (350, 1079.0, 2.637, 0.342, 261),
      (360, 1074.0, 2.682, 0.278, 261), (370, 1066.7, 2.728, 0.228, 262)]
add("乙二醇(液)", "Ethylene glycol", "0~97℃，Incropera表A.5；粘度为按该表拟合的Vogel式",
    CP=table(from_kelvin(EG, 2, 1000)[::2], 4),
    MD=table(from_kelvin(EG, 1, 1)[::2], 5),
    VI=vogel([(r[0], r[3] * 1e-2) for r in EG]),
    TC=table(from_kelvin(EG, 4, 1e-3)[::2], 3))

# Aqueous ethylene glycol by mass: ASHRAE Handbook - Fundamentals (2009),
# ch. 31, tables of density, specific heat, conductivity and viscosity:
# t (degC), rho, cp (kJ/(kg.K)), k (W/(m.K)), mu (mPa.s).
EG30 = [(-10, 1048.0, 3.67, 0.434, 4.60), (0, 1044.6, 3.70, 0.442, 3.41), (20, 1036.8, 3.75, 0.462, 2.01),
        (40, 1027.7, 3.80, 0.478, 1.33), (60, 1017.0, 3.86, 0.489, 0.94), (80, 1004.7, 3.91, 0.497, 0.70),
        (100, 990.8, 3.96, 0.501, 0.54)]
EG50 = [(-10, 1082.9, 3.18, 0.365, 10.1), (0, 1078.8, 3.22, 0.369, 7.13),
        (20, 1069.7, 3.30, 0.376, 3.95), (40, 1059.1, 3.38, 0.383, 2.44), (60, 1047.2, 3.46, 0.388, 1.63),
        (80, 1033.9, 3.54, 0.391, 1.17), (100, 1019.4, 3.62, 0.393, 0.88)]


def glycol(cn, en, rows, low):
    add(cn, en, f"{low}~100℃，ASHRAE Handbook Fundamentals(2009)第31章乙二醇水溶液表；粘度为拟合的Vogel式",
        CP=table([(r[0], r[2] * 1000) for r in rows], 4),
        MD=table([(r[0], r[1]) for r in rows], 5),
        VI=vogel([(r[0] + 273.15, r[4] * 1e-3) for r in rows]),
        TC=table([(r[0], r[3]) for r in rows], 3))


glycol("30%乙二醇水溶液", "Ethylene glycol 30%", EG30, -10)
glycol("50%乙二醇水溶液", "Ethylene glycol 50%", EG50, -10)

# Light oil (diesel, specific gravity 0.84 at 15 degC): the Cragoe
# correlations for petroleum liquids (US Bureau of Standards Misc. Publ. 97,
# as given in the API Technical Data Book): cp = (1.6848 + 0.003391 t)/sqrt(SG)
# kJ/(kg.K), k = 0.11710/SG (1 - 0.00054 t) W/(m.K); density with an
# expansion coefficient of 0.00083 1/K; viscosity by Andrade through
# 4.3 mPa.s at 20 degC and 2.3 mPa.s at 50 degC.
add("轻柴油(液)", "Light oil (diesel)", "比重0.84，Cragoe石油液体比热、导热关联式(API数据手册)；粘度为典型值的Andrade式",
    CP="(1684.8+3.391*t)/sqrt(0.84)",
    MD="840*(1-0.00083*(t-15))",
    VI="exp(-12.189+1975.8/T)",
    TC="0.1171/0.84*(1-0.00054*t)")

# Engine oil (unused), a heavy lubricating oil: Incropera Table A.5.
OIL = [(273, 899.1, 1.796, 385, 147), (280, 895.3, 1.827, 217, 144), (290, 890.0, 1.868, 99.9, 145),
       (300, 884.1, 1.909, 48.6, 145), (310, 877.9, 1.951, 25.3, 145), (320, 871.8, 1.993, 14.1, 143),
       (330, 865.8, 2.035, 8.36, 141), (340, 859.9, 2.076, 5.31, 139), (350, 853.9, 2.118, 3.56, 138),
       (360, 847.8, 2.161, 2.52, 138), (370, 841.8, 2.206, 1.86, 137), (380, 836.0, 2.250, 1.41, 136),
       (390, 830.6, 2.294, 1.10, 135), (400, 825.1, 2.337, 0.874, 134), (410, 818.9, 2.381, 0.698, 133),
       (420, 812.1, 2.427, 0.564, 133), (430, 806.5, 2.471, 0.470, 132)]
add("发动机油(液)", "Engine oil", "0~157℃新机油(重质润滑油)，Incropera表A.5",
    CP=table(from_kelvin(OIL, 2, 1000)[::2], 4),
    MD=table(from_kelvin(OIL, 1, 1)[::2], 4),
    VI=table(from_kelvin(OIL, 3, 1e-2), 3),
    TC=table(from_kelvin(OIL, 4, 1e-3)[::2], 3))

# Heat-transfer oil, eutectic biphenyl / diphenyl oxide (73.5/26.5), liquid:
# VDI Heat Atlas (2010), section D3.1 and the manufacturers' tables:
# t (degC), rho, cp (kJ/(kg.K)), k (W/(m.K)), mu (mPa.s).
HTO = [(20, 1060.0, 1.565, 0.1386, 4.29), (50, 1036.0, 1.660, 0.1346, 2.33), (100, 995.0, 1.807, 0.1285, 1.00),
       (150, 953.0, 1.935, 0.1218, 0.59), (200, 911.0, 2.048, 0.1151, 0.41), (250, 866.0, 2.161, 0.1082, 0.30),
       (300, 817.0, 2.278, 0.1013, 0.24), (350, 764.0, 2.411, 0.0941, 0.19)]
add("联苯导热油(液)", "Heat transfer oil", "联苯-联苯醚共熔物，20~350℃，VDI传热图册D3.1及生产厂物性表",
    CP=table([(r[0], r[2] * 1000) for r in HTO], 4),
    MD=table([(r[0], r[1]) for r in HTO], 4),
    VI=table([(r[0], r[4] * 1e-3) for r in HTO], 3),
    TC=table([(r[0], r[3]) for r in HTO], 4))

# Toluene, liquid: Perry's Handbook section 2 and the CRC Handbook.
add("甲苯(液)", "Toluene", "0~100℃，Perry化工手册第2篇、CRC手册；汽化热按110.6℃沸点值用Watson式",
    CP=table([(0, 1630), (20, 1700), (50, 1790), (100, 1950)], 4),
    MD=table([(0, 885.0), (20, 866.9), (50, 839.8), (100, 793.0)], 4),
    VI=table([(0, 0.768e-3), (20, 0.587e-3), (50, 0.420e-3), (100, 0.271e-3)], 4),
    TC=table([(0, 0.139), (20, 0.132), (50, 0.125), (100, 0.112)], 3),
    ST=table([(0, 0.0307), (20, 0.0284), (50, 0.0251), (100, 0.0197)], 3),
    HV="362500*((1-T/591.75)/0.35231)^0.38")

with open(os.path.join(HERE, "substances.json"), "w", encoding="utf-8") as f:
    json.dump(records, f, ensure_ascii=False, indent=1)
    f.write("\n")
print(f"{len(records)} records")
