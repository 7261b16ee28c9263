#pragma once

#include <cstddef>
#include <deque>

// The entries shown in this run, for Back and Forward as a browser has them. Each move
// to a different entry records the entry left; Back and Forward walk the record without
// adding to it, and a new move after Back drops what lay ahead. Only entry numbers are
// kept, at most `limite` of them behind the entry on screen (the oldest go first).
class Historial
{
public:
    static constexpr std::size_t LimitePorDefecto = 500;

    explicit Historial(std::size_t limite = LimitePorDefecto) : limite_(limite > 0 ? limite : 1) {}

    // A move from entry `dejada` to entry `nueva`. Nothing is recorded when either is
    // not an entry (below 1) or when they are the same entry.
    void visitar(int dejada, int nueva);
    // The entry before `actual` in the record, or 0 at the start (nothing changes then).
    // `actual` is kept for Forward.
    int atras(int actual);
    // The entry after `actual`, or 0 at the end (nothing changes then).
    int adelante(int actual);

    bool puedeAtras() const { return !atras_.empty(); }
    bool puedeAdelante() const { return !adelante_.empty(); }
    std::size_t cuantasAtras() const { return atras_.size(); }
    std::size_t cuantasAdelante() const { return adelante_.size(); }
    void vaciar();

private:
    void guardar(std::deque<int> &pila, int entrada);

    std::size_t limite_;
    std::deque<int> atras_;    // entries left, the latest at the back
    std::deque<int> adelante_; // entries left by Back, the latest at the back
};
