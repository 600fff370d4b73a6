#pragma once

// One point of a transfer curve. A curve is a doubly linked list sorted by
// strictly increasing input voltage and known by its first point, the head.
// Ownership runs forward: a point owns everything after it, so deleting the
// head frees the whole curve. To free a single point, set its next to null
// first.
class CPunt {
public:
    CPunt(double input, double output);
    virtual ~CPunt();

    CPunt(const CPunt&) = delete;
    CPunt& operator=(const CPunt&) = delete;

    // Sorted insert; a point with exactly this input takes the new output.
    // Returns the head after the operation (a new point below the old head
    // becomes the head).
    CPunt* Add(double input, double output);

    // Unlinks and frees the first point after this one whose input equals the
    // value exactly. The point it is called on is never removed.
    void Remove(double input);

    // The last point whose input is not greater than the value, or null when
    // the value lies below this point's input.
    CPunt* Find(double input);
    const CPunt* Find(double input) const;

    CPunt* prev = nullptr;
    CPunt* next = nullptr;
    double output;
    double input;
};
