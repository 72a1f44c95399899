// Draught rate after ISO 7730 (eq. for DR) and the points of the BNB draught criterion.
#pragma once

struct DraftResult {
    double dr = 0.0;          // draught rate, percentage of people dissatisfied by draught [%], 0..100
    bool fulfilled = false;   // DR below the BNB limit of 15 % (15.01 so 15 % passes), or window ventilation
    double points = 0.0;      // 0..20 (winter scale; the summer criterion awards half)
};

// ta air temperature [°C], va mean air velocity [m/s], tu turbulence intensity [%].
// A room ventilated through windows only passes with full points; DR is still computed.
DraftResult computeDraftRate(double ta, double va, double tu, bool windowVentilation);
