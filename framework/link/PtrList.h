// A doubly linked list of untyped pointers with one cursor, used for the
// record and playback queues.
#pragma once

struct CPtrNode {
  CPtrNode* next = nullptr;
  CPtrNode* prev = nullptr;
  void* data = nullptr;
};

// Owns its nodes. The data is owned only when the list is emptied with
// DeleteAll, which releases each item with std::free: data given to a list
// that is emptied that way must come from std::malloc.
class CPtrList {
 public:
  CPtrList() = default;
  ~CPtrList();  // RemoveAll
  CPtrList(const CPtrList&) = delete;
  CPtrList& operator=(const CPtrList&) = delete;

  // Cursor to the head; 1 when the list is not empty.
  int First();
  // 0 when the cursor is null; else the cursor steps on and the answer is 1
  // when it stands on a node (0 when it ran off the end).
  int Next();
  // 1 while the cursor stands on a node.
  int HasCurrent() const;
  // The data under the cursor, null when none.
  void* Current() const;
  // A new node at the tail; the first node of an empty list also becomes the
  // cursor, otherwise the cursor stays. 0 when no memory (list unchanged).
  int Append(void* data);
  // Unlinks the node under the cursor (never its data) and moves the cursor to
  // the following node. Answers 1, except 0 when there was no cursor or the
  // removed node was the only one (the list is then empty).
  int RemoveCurrent();
  // Puts the cursor on the first node holding data (pointer equality) and
  // removes it as RemoveCurrent; 0 and a null cursor when not found.
  int Remove(void* data);
  // Releases all nodes, keeps the data.
  void RemoveAll();
  // Releases all nodes and std::free's each data.
  void DeleteAll();

  CPtrNode* head = nullptr;
  CPtrNode* tail = nullptr;
  CPtrNode* cursor = nullptr;
};
