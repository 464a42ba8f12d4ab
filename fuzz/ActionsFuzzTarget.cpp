// Turns arbitrary bytes into a game: a sequence of player actions with clock steps between
// them. After every action the board's invariants must hold; any violation aborts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/BoardState.h"
#include "core/Game.h"
#include "tests/support/BoardChecks.h"
#include "tests/support/FakeClock.h"

namespace morvane {
namespace {

class ByteStream {
public:
    ByteStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    std::uint8_t next() { return empty() ? 0 : data_[position_++]; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void require(bool condition, const char* what) {
    if (!condition)
        fail(what);
}

}  // namespace

int runActions(const std::uint8_t* data, std::size_t size) {
    test::FakeClock clock(static_cast<float>(data != nullptr && size > 0 ? data[0] : 0) * 337.0F);
    Game game(clock);
    GameController& controller = game.controller();
    const BoardState& board = game.board();
    const PlayReadouts& readouts = game.readouts();
    controller.startUp();
    MoveCount counted = 1;

    ByteStream bytes(data, size);
    while (!bytes.empty()) {
        const std::uint8_t op = bytes.next();
        clock.advance(static_cast<float>(op >> 4) * 0.0078125F);  // the time an action takes
        switch (op % 8) {
            case 0:
            case 1:
            case 2:
                controller.clickCell(BoardState::cells()[bytes.next() % Cell::kCount]);
                break;
            case 3:
                controller.exchangeHands();
                break;
            case 4:
                controller.selectLevel(kAllLevels[bytes.next() % kAllLevels.size()]);
                break;
            case 5: {
                const BoardState before = board;
                controller.shuffle();
                if (bytes.next() % 2 == 0) {
                    controller.shuffle();
                    ++counted;
                    require(board == before, "a shuffle repeated restores the board");
                }
                break;
            }
            case 6:
                controller.aboutClosed();
                break;
            default:
                clock.advance(static_cast<float>(bytes.next()) * 61.0F);  // the player idles
                require(readouts.moveCount() == counted, "idling counts nothing");
                continue;
        }
        ++counted;
        if (const auto fault = test::tileConservationFault(board))
            fail(fault->c_str());
        require(readouts.moveCount() == counted, "the count equals the actions taken");
        require(readouts.countText() == std::to_string(counted), "the count text shows the count");
        require(controller.currentLevel().has_value(), "a level is always selected");
    }
    return 0;
}

}  // namespace morvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return morvane::runActions(data, size);
}
