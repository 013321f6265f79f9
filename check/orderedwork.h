#ifndef ORDEREDWORK_H
#define ORDEREDWORK_H

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// Produces results 0, 1, 2, ... on several threads at once and hands them to the consumer
// one by one in that order, so that what is consumed does not depend on the number of
// threads. The consumer can stop the work: no later result is consumed, and no more are
// produced. Results wait for those before them only a little ahead of the consumer.
template <typename Result> class OrderedWork {
public:
    using Produce = std::function<Result(int index)>;
    // Takes each result in order; false stops the work.
    using Consume = std::function<bool(Result &result)>;

    static void run(int count, int threads, const Produce &produce, const Consume &consume)
    {
        OrderedWork work(count, threads, produce, consume);
        std::vector<std::thread> helpers;
        for (int helper = 1; helper < threads && helper < count; ++helper)
            helpers.emplace_back([&work] { work.serve(); });
        work.serve();
        for (std::thread &helper : helpers)
            helper.join();
    }

private:
    OrderedWork(int count, int threads, const Produce &produce, const Consume &consume)
        : count(count)
        , window(16 * (threads > 1 ? threads : 1))
        , produce(produce)
        , consume(consume)
    {
    }

    void serve()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            moved.wait(lock, [this] { return stopped || next >= count || next - consumed < window; });
            if (stopped || next >= count)
                return;
            const int index = next++;
            lock.unlock();
            Result result = produce(index);
            lock.lock();
            waiting.emplace(index, std::move(result));
            for (auto first = waiting.begin(); !stopped && first != waiting.end() && first->first == consumed;
                 first = waiting.erase(first)) {
                stopped = !consume(first->second);
                ++consumed;
            }
            moved.notify_all();
        }
    }

    const int count;
    const int window;
    const Produce &produce;
    const Consume &consume;
    std::mutex mutex;
    std::condition_variable moved;
    int next = 0;
    int consumed = 0;
    bool stopped = false;
    std::map<int, Result> waiting; // produced, not yet consumed
};

#endif // ORDEREDWORK_H
