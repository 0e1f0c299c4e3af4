#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "game/world/MessageQueue.h"
#include "platform/VirtualConsole.h"

namespace {

std::vector<std::string> Texts(MessageQueue& queue) {
    std::vector<std::string> texts;
    for (int i = 0; i < queue.GetTotal(); ++i) {
        texts.push_back(queue.GetNode(i)->message.GetText());
    }
    return texts;
}

// Posts `n` messages "message 0", "message 1", ... of type 3.
void Post(MessageQueue& queue, int n) {
    for (int i = 0; i < n; ++i) {
        queue.enqueue(("message " + std::to_string(i)).c_str(), 3);
    }
}

std::string const kFooter = "Press ESCAPE to exit, or SPACE to see next page or use L/R keys";

TEST(Message, StartsAsTheFailureTextAndCutsLongTexts) {
    Message message;
    EXPECT_STREQ(message.GetText(), "Message input failed");
    EXPECT_EQ(message.GetType(), 0);
    std::string const longText(200, 'x');
    message.SetText(longText.c_str());
    EXPECT_EQ(std::string(message.GetText()), std::string(149, 'x'));

    Message a("Fuel low", 4);
    Message b("Fuel low", 6);
    Message c("Fuel high", 4);
    EXPECT_TRUE(a == b) << "the type is not compared";
    EXPECT_FALSE(a == c);
}

TEST(Message, PrintsInItsTypesColourAndWrapsAtSeventy) {
    con::ScopedVirtualConsole vc;
    int const expected[] = {5, 3, 3, 10, 10, 14, 12, 240, 240};
    int const types[] = {0, 1, 2, 3, 4, 5, 6, 9, -1};
    for (int i = 0; i < 9; ++i) {
        Message(" ", types[i]).Print(0, i);
        EXPECT_EQ(vc->AttrAt(0, i), expected[i]) << "type " << types[i];
    }
    std::string const words = std::string(60, 'a') + " " + std::string(20, 'b');
    Message(words.c_str(), 6).Print(3, 12);
    EXPECT_EQ(vc->Text(12, 3, 64), std::string(60, 'a') + " ");
    EXPECT_EQ(vc->Text(13, 3, 24), std::string(20, 'b') + " ");
    EXPECT_EQ(vc->AttrAt(3, 13), 12);
}

TEST(MessageQueue, KeepsTypesDescendingAndPostingOrderWithinAType) {
    MessageQueue queue;
    queue.enqueue("first 4", 4);
    queue.enqueue("second 6", 6);
    queue.enqueue("third 4", 4);
    queue.enqueue("fourth 5", 5);
    queue.enqueue("fifth 6", 6);
    EXPECT_EQ(Texts(queue),
              (std::vector<std::string>{"second 6", "fifth 6", "fourth 5", "first 4", "third 4"}));

    MessageQueue other;
    other.enqueue("a", 2);
    other.enqueue("b", 2);
    other.enqueue("c", 5);
    other.enqueue("d", 2);
    EXPECT_EQ(Texts(other), (std::vector<std::string>{"c", "a", "b", "d"}));
}

TEST(MessageQueue, GetNodeAndRemoveStayInsideTheQueue) {
    MessageQueue queue;
    EXPECT_EQ(queue.GetNode(0), nullptr);
    EXPECT_FALSE(queue.Remove(nullptr));
    Post(queue, 3);
    EXPECT_EQ(queue.GetNode(3), nullptr);
    EXPECT_EQ(queue.GetNode(-1), nullptr);

    MessageNode stranger;
    EXPECT_FALSE(queue.Remove(&stranger));
    EXPECT_EQ(queue.GetTotal(), 3) << "a node not in the queue changes nothing";

    EXPECT_TRUE(queue.Remove(queue.GetNode(1)));
    EXPECT_EQ(Texts(queue), (std::vector<std::string>{"message 0", "message 2"}));
    EXPECT_TRUE(queue.Remove(queue.GetNode(0)));
    EXPECT_FALSE(queue.Remove(queue.GetNode(0))) << "false: nothing remains";
    EXPECT_EQ(queue.GetTotal(), 0);
    EXPECT_EQ(queue.GetNode(0), nullptr);

    queue.enqueue("again", 1);
    EXPECT_EQ(Texts(queue), (std::vector<std::string>{"again"}));
    queue.KillAllMessages();
    EXPECT_EQ(queue.GetTotal(), 0);
    EXPECT_EQ(queue.GetNode(0), nullptr);
}

TEST(MessageQueue, AMessageOfTheLowestTypeFollowsTheLastOneLeft) {
    MessageQueue queue;
    queue.enqueue("high", 6);
    queue.enqueue("middle", 4);
    queue.enqueue("low", 2);
    EXPECT_TRUE(queue.Remove(queue.GetNode(2)));
    queue.enqueue("lower", 1);
    queue.enqueue("lowest", 0);
    EXPECT_EQ(Texts(queue), (std::vector<std::string>{"high", "middle", "lower", "lowest"}));
    EXPECT_EQ(queue.GetNode(3)->next, nullptr);
    EXPECT_EQ(queue.GetNode(4), nullptr);
}

TEST(MessageQueuePage, AnEmptyQueueShowsOnlyTheFooter) {
    con::ScopedVirtualConsole vc;
    vc->Fill('#', 7);
    MessageQueue queue;
    queue.ShowPage(0);
    EXPECT_EQ(vc->Text(4, 0, 10), "##########");
    EXPECT_EQ(vc->ByteAt(71, 21), ' ');
    EXPECT_EQ(vc->ByteAt(3, 21), ' ');
    EXPECT_EQ(vc->AttrAt(71, 21), 15);
    EXPECT_EQ(vc->Text(22, 2, 2 + static_cast<int>(kFooter.size())), kFooter);
    EXPECT_EQ(vc->AttrAt(2, 22), 15);
}

TEST(MessageQueuePage, SixMessagesFillOnePageWithoutArrows) {
    con::ScopedVirtualConsole vc;
    MessageQueue queue;
    queue.enqueue("Riots on deck four", 6);
    queue.enqueue("The Super Freighter arrives tomorrow", 5);
    queue.enqueue("Fuel is running low", 4);
    queue.enqueue("The Super Freighter is 3 days away", 3);
    queue.enqueue("Bunker in sector I has 14 days until it's built.", 2);
    queue.enqueue("Saucer located in Mothership found a herd", 1);
    queue.ShowPage(0);
    EXPECT_EQ(vc->Picture(3, 4, 40, 16),
              "Riots on deck four                      \n"
              "                                        \n"
              "                                        \n"
              "The Super Freighter arrives tomorrow    \n"
              "                                        \n"
              "                                        \n"
              "Fuel is running low                     \n"
              "                                        \n"
              "                                        \n"
              "The Super Freighter is 3 days away      \n"
              "                                        \n"
              "                                        \n"
              "Bunker in sector I has 14 days until it'\n"
              "                                        \n"
              "                                        \n"
              "Saucer located in Mothership found a her");
    int const colours[] = {12, 14, 10, 10, 3, 3};
    for (int place = 0; place < 6; ++place) {
        EXPECT_EQ(vc->AttrAt(3, 4 + 3 * place), colours[place]) << "place " << place;
    }
    EXPECT_EQ(vc->ByteAt(71, 21), ' ') << "no right arrow";
    EXPECT_EQ(vc->ByteAt(3, 21), ' ');
}

TEST(MessageQueuePage, SevenMessagesTakeTwoPagesAndTheSecondWipesTheFirst) {
    con::ScopedVirtualConsole vc;
    MessageQueue queue;
    Post(queue, 7);
    queue.ShowPage(0);
    for (int place = 0; place < 6; ++place) {
        EXPECT_EQ(vc->Text(4 + 3 * place, 3, 12), "message " + std::to_string(place));
    }
    EXPECT_EQ(vc->ByteAt(71, 21), 16) << "the right arrow";
    EXPECT_EQ(vc->ByteAt(3, 21), ' ');

    queue.ShowPage(6);
    EXPECT_EQ(vc->Text(4, 3, 12), "message 6");
    EXPECT_EQ(vc->AttrAt(3, 4), 10);
    for (int row = 5; row <= 20; ++row) {
        EXPECT_EQ(vc->Text(row, 3, 75), std::string(72, ' ')) << "row " << row;
    }
    EXPECT_EQ(vc->AttrAt(3, 7), 15) << "the wiped places are white";
    EXPECT_EQ(vc->ByteAt(71, 21), ' ');
    EXPECT_EQ(vc->ByteAt(3, 21), 17) << "the left arrow only";
    EXPECT_EQ(vc->Text(22, 2, 2 + static_cast<int>(kFooter.size())), kFooter);
}

TEST(MessageQueuePage, TwelveMessagesShowAFullSecondPageWithoutFiller) {
    con::ScopedVirtualConsole vc;
    MessageQueue queue;
    Post(queue, 12);
    vc->Fill('#', 7);
    queue.ShowPage(6);
    for (int place = 0; place < 6; ++place) {
        int const row = 4 + 3 * place;
        std::string const label = "message " + std::to_string(6 + place);
        EXPECT_EQ(vc->Text(row, 3, 3 + static_cast<int>(label.size())), label);
        EXPECT_EQ(vc->Text(row + 1, 3, 10), "#######") << "nothing wiped below place " << place;
    }
    EXPECT_EQ(vc->ByteAt(71, 21), ' ');
    EXPECT_EQ(vc->ByteAt(3, 21), 17);
}

TEST(MessageQueuePage, AnOddFirstIndexNeverDrawsBelowThePage) {
    con::ScopedVirtualConsole vc;
    MessageQueue queue;
    Post(queue, 7);
    vc->Fill('#', 7);
    queue.ShowPage(3);
    EXPECT_EQ(vc->Text(13, 3, 12), "message 6");
    EXPECT_EQ(vc->Text(19, 3, 10), "       ") << "the last place is wiped";
    EXPECT_EQ(vc->Text(21, 4, 10), "######") << "row 21 keeps only its arrows";
    EXPECT_EQ(vc->RefusedPositions(), 0);
}

TEST(MessageQueuePage, APartialPageWipesAsManyPlacesAsTheLastPageLeavesEmpty) {
    con::ScopedVirtualConsole vc;
    MessageQueue queue;
    Post(queue, 10);  // a last page of four leaves two places empty
    vc->Fill('#', 7);
    queue.ShowPage(7);
    EXPECT_EQ(vc->Picture(3, 4, 10, 17),
              "message 7 \n"
              "##########\n"
              "##########\n"
              "message 8 \n"
              "##########\n"
              "##########\n"
              "message 9 \n"
              "##########\n"
              "##########\n"
              "          \n"
              "          \n"
              "##########\n"
              "          \n"
              "          \n"
              "##########\n"
              "##########\n"
              "##########");
    EXPECT_EQ(vc->ByteAt(71, 21), ' ');
    EXPECT_EQ(vc->ByteAt(3, 21), 17);
}

}  // namespace
