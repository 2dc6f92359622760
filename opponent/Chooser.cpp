#include "opponent/Chooser.h"

#include "opponent/CardSet.h"

namespace quarn {

std::uint8_t ChooseCard(const Hand &hand, const TableRows &table, int moveNumber) {
    const int bit = ChooseCardBit(HandCards(hand, kChooserSlots), TableCards(table), moveNumber);
    if (bit < 0)
        return 0;
    return static_cast<std::uint8_t>(SlotOf(hand, CardOfBit(bit), kChooserSlots));
}

} // namespace quarn
