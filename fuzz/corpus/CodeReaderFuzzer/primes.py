def is_prime(n):
    if n < 2:
        return False
    for d in range(2, n):
        if n % d == 0:
            return False
    return True

count = 0
x = 1
while count < 10:
    x += 1
    if x % 2 == 0:
        continue
    if is_prime(x):
        print(x)
        count += 1
    if x > 1000:
        break
print("Готово")
