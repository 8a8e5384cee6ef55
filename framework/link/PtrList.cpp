#include "framework/link/PtrList.h"

#include <cstdlib>
#include <new>

CPtrList::~CPtrList() { RemoveAll(); }

int CPtrList::First() {
  cursor = head;
  return head ? 1 : 0;
}

int CPtrList::Next() {
  if (!cursor) return 0;
  cursor = cursor->next;
  return cursor ? 1 : 0;
}

int CPtrList::HasCurrent() const { return cursor ? 1 : 0; }

void* CPtrList::Current() const { return cursor ? cursor->data : nullptr; }

int CPtrList::Append(void* data) {
  CPtrNode* node = new (std::nothrow) CPtrNode;
  if (!node) return 0;
  node->data = data;
  node->prev = tail;
  if (tail) {
    tail->next = node;
  } else {
    head = node;
    cursor = node;
  }
  tail = node;
  return 1;
}

int CPtrList::RemoveCurrent() {
  CPtrNode* node = cursor;
  if (!node) return 0;
  if (node->prev) {
    node->prev->next = node->next;
  } else {
    head = node->next;
  }
  if (node->next) {
    node->next->prev = node->prev;
  } else {
    tail = node->prev;
  }
  cursor = node->next;
  delete node;
  return head ? 1 : 0;
}

int CPtrList::Remove(void* data) {
  for (cursor = head; cursor; cursor = cursor->next) {
    if (cursor->data == data) return RemoveCurrent();
  }
  return 0;
}

void CPtrList::RemoveAll() {
  CPtrNode* node = head;
  while (node) {
    CPtrNode* following = node->next;
    delete node;
    node = following;
  }
  head = tail = cursor = nullptr;
}

void CPtrList::DeleteAll() {
  for (CPtrNode* node = head; node; node = node->next) std::free(node->data);
  RemoveAll();
}
