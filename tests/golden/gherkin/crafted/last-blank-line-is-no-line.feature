Feature: x
@t
  