// _CLi: circular doubly linked list with a sentinel node and an element count. Nodes are
// relinked, never copied, so moving an element to another place costs two link updates.
#pragma once
#include <cstddef>
#include <utility>

template <class T>
class _CLi {
    struct Link {
        Link* prev;
        Link* next;
    };
    struct Node : Link {
        template <class... Args>
        explicit Node(Args&&... args) : Link{nullptr, nullptr}, value(std::forward<Args>(args)...) {}
        T value;
    };

public:
    class iterator {
    public:
        iterator() = default;
        T& operator*() const noexcept { return static_cast<Node*>(link_)->value; }
        T* operator->() const noexcept { return &static_cast<Node*>(link_)->value; }
        iterator& operator++() noexcept { link_ = link_->next; return *this; }
        iterator& operator--() noexcept { link_ = link_->prev; return *this; }
        [[nodiscard]] iterator next() const noexcept { return iterator(link_->next); }
        [[nodiscard]] iterator prev() const noexcept { return iterator(link_->prev); }
        bool operator==(const iterator&) const = default;

    private:
        friend class _CLi;
        explicit iterator(Link* link) : link_(link) {}
        Link* link_ = nullptr;
    };

    _CLi() noexcept { sentinel_.prev = sentinel_.next = &sentinel_; }
    _CLi(const _CLi&) = delete;
    _CLi& operator=(const _CLi&) = delete;
    ~_CLi() { clear(); }

    [[nodiscard]] size_t size() const noexcept { return count_; }
    [[nodiscard]] bool empty() const noexcept { return count_ == 0; }
    [[nodiscard]] iterator begin() noexcept { return iterator(sentinel_.next); }
    [[nodiscard]] iterator end() noexcept { return iterator(&sentinel_); }

    // Links a new element in front of `at` and returns it.
    template <class... Args>
    iterator emplace(iterator at, Args&&... args)
    {
        Node* node = new Node(std::forward<Args>(args)...);
        linkBefore(node, at.link_);
        ++count_;
        return iterator(node);
    }
    template <class... Args>
    iterator emplace_front(Args&&... args) { return emplace(begin(), std::forward<Args>(args)...); }
    template <class... Args>
    iterator emplace_back(Args&&... args) { return emplace(end(), std::forward<Args>(args)...); }

    // Unlinks and frees one element; returns the one after it.
    iterator erase(iterator at) noexcept
    {
        Link* after = at.link_->next;
        unlink(at.link_);
        delete static_cast<Node*>(at.link_);
        --count_;
        return iterator(after);
    }

    // Frees [from, end()).
    void eraseToEnd(iterator from) noexcept
    {
        while (from != end())
            from = erase(from);
    }

    void clear() noexcept { eraseToEnd(begin()); }

    // Moves an element of this list in front of `at`, without copying it.
    void move(iterator element, iterator at) noexcept
    {
        if (element == at)
            return;
        unlink(element.link_);
        linkBefore(element.link_, at.link_);
    }

private:
    static void unlink(Link* link) noexcept
    {
        link->prev->next = link->next;
        link->next->prev = link->prev;
    }
    static void linkBefore(Link* link, Link* at) noexcept
    {
        link->prev = at->prev;
        link->next = at;
        at->prev->next = link;
        at->prev = link;
    }

    Link sentinel_;     // invariant: the list is circular through the sentinel
    size_t count_ = 0;  // invariant: the number of nodes other than the sentinel
};
