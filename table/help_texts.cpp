#include "help_texts.h"

#include <QStringList>

#include <initializer_list>

namespace corvane::help_text {

namespace {

QString Lines(std::initializer_list<const char*> lines) {
    QStringList joined;
    for (const char* line : lines) joined << QString::fromUtf8(line);
    return joined.join(u'\n');
}

}  // namespace

QString Page1Top() {
    return Lines({
        "",
        "",
        "",
        "     Corvane is a game of tricks and melds, one of a large family of card games played",
        "     with the short pack of Sevens to Aces. This program plays the form of the game for",
        "     two players: you play against the computer, a robot player called",
        "     Tarvish.",
        "",
        "     THE PACK: two packs of 52 cards with the Twos to Sixes taken out, 64 cards in all.",
        "",
        "     RANK OF CARDS: Ace high, then Ten, King, Queen, Jack, Nine, Eight and Seven.",
        "     The Ten ranks above the King, the Queen and the Jack.",
    });
}

QString Page1Bottom() {
    return Lines({
        "     THE SHUFFLE AND CUT: the computer shuffles the pack. The first dealer is chosen at",
        "     random, and the deal passes to the other player every hand.",
        "",
        "     THE DEAL: each player gets eight cards, in packets of three, two and three. The next",
        "     card is turned face up and its suit is trumps; the rest of the pack is the stock.",
        "",
        "     OBJECT OF THE GAME: to declare melds and to win tricks holding Aces and Tens, the",
        "     brisques, until the target score is reached.",
        "",
        "     SCORING: a Seven turned up as the trump card scores 10 for the dealer. Afterwards a",
        "     player who wins a trick may exchange a Seven of trumps for the turned card, or",
        "     declare it for 10 points; the Seven may still be played to a trick later.",
    });
}

QString Page2() {
    return Lines({
        "",
        "",
        "     SCORING:",
        "     Melds score as soon as they are declared. A melded card stays in play: it may be",
        "     played to a trick, or serve again in a meld of another kind, but never in a second",
        "     meld of the same kind. A King of a marriage, for example, may serve in four Kings",
        "     or in a run, but not in another marriage.",
        "",
        "",
        "",
        "     The other declarations are:",
        "",
        "      Marriage (K, Q of the same suit) in trumps 40",
        "      Marriage (K, Q same suit not trumps) 20",
        "      Sequence (A, 10, K, Q, J of trumps) 150",
        "      Corvane (Queen of Spades and Jack of Diamonds) 40 ",
        "      Double Corvane 500",
        "      4 Aces any suit 100",
        "      4 Kings any suit 80",
        "      4 Queens any suit 60",
        "      4 Jacks any suit 40",
    });
}

QString Page3Rule() {
    return QString(145, u'=');
}

QString Page3() {
    return Lines({
        "     TRICKS: a trick scores 10 points for each Ace, each Ten and each Seven of trumps in",
        "     it, for the player who wins it. The last trick of a hand scores nothing more.",
        "",
        "     THE PLAY: the player who did not deal leads to the first trick, and the winner of "
        "each",
        "     trick leads to the next. In the first round any card may be played. The card led "
        "wins",
        "     the trick unless it is beaten by a higher card of its suit or by a trump.",
        "",
        "     The winner of a trick may declare one meld. Declared cards lie face up on the table",
        "     until they are played, which may be at any time.",
        "",
        "     After declaring, the winner of the trick draws the top card of the stock and the",
        "     loser the next one.",
        "",
        "     A card may not serve twice in the same kind of declaration, but it may serve in",
        "     different kinds: with Spades as trumps the Queen of Spades may serve in a marriage,",
        "     a Corvane and four Queens. The computer refuses a declaration that is not allowed.",
        "",
        "     When the stock is used up, the winner of the last trick takes the last face-down "
        "card",
        "     and the loser the turned-up trump card. The declared cards go back into the hands",
        "     and the last nine tricks are played out: you must follow suit if you can, else play",
        "     a trump if you can. Tricks score as in the first round.",
        "",
        "     The target score is 1000 unless you change it in the Options menu. When both players",
        "     are over it at the end of a hand it goes up by 250, until only one of them is. A",
        "     player who reaches it in the first round while the other has not may knock and win",
        "     at once: click the Knock label that appears.",
        "     Tarvish will do the same.",
        "",
        "     HOW TO PLAY: click a card with the right or the left mouse button to play it. After",
        "     each trick you win, buttons offer the declarations you can make, and the computer",
        "     lays the cards out for you. After a declaration or Cancel the next cards are dealt",
        "     automatically.",
        "",
        "     Do not worry about the rules: the computer tells you when a card or a declaration is",
        "     not allowed, and guides you through the game.",
        "",
        "     OPTIONS: the Options menu sets your name, the speed of play and the target score,",
        "     and shows or erases the statistics of games won and lost.",
        "",
        "     PLAYING BY EAR AND EYE: Read Aloud in the Options menu speaks every card played,",
        "     each trick's winner and points, each declaration, the card you receive, the prompts",
        "     and every message. F5 repeats the last announcement, F6 reads your hand, F7 reads",
        "     the trick, the up card and trumps, and F8 reads the scores. Screen readers find",
        "     every card you can see and every label and button on the table. Four-Colour Suits",
        "     gives each suit its own colour: Spades black, Hearts red, Diamonds blue, Clubs "
        "green.",
    });
}

}  // namespace corvane::help_text
