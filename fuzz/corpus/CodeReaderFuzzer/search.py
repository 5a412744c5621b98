def find(items, wanted):
    for i in range(len(items)):
        if items[i] == wanted:
            return i
        elif items[i] > wanted:
            break
    return -1

n = int(input())
while n > 0:
    print(find([1, 3, 5, 7], n))
    n -= 1
